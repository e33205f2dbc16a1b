// Completes one file in place from a URL, as a user would with "Adquirir a
// partir de arquivo" and "Gerar novo arquivo" unchecked, and exits when the
// job ends: 0 when the file was completed. Used to time the whole download
// path against curl (see compare.sh).
#include "ui/main_window.h"

#include "common/ui/dialogs.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>

namespace {

// Messages go to the error stream; nothing here asks the user anything.
class StderrDialogs final : public suite::Dialogs {
public:
    void message(QWidget*, suite::MessageIcon, const QString& title, const QString& text) override
    {
        std::fprintf(stderr, "%s: %s\n", qPrintable(title), qPrintable(text));
    }
    bool question(QWidget*, suite::MessageIcon, const QString&, const QString&) override { return false; }
    std::optional<QString> input(QWidget*, const QString&, const QString&, const QString&) override { return {}; }
    QString openFile(QWidget*, const QString&, const QString&) override { return {}; }
    QString saveFile(QWidget*, const QString&, const QString&) override { return {}; }
    QString chooseFolder(QWidget*, const QString&) override { return {}; }
};

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s <url> <incomplete file>\n", argv[0]);
        return 2;
    }
    QTemporaryDir programDir;
    StderrDialogs dialogs;
    tailfetch::MainWindow window(programDir.path(), dialogs);

    window.findChild<QLineEdit*>("txtPath")->setText(QString::fromLocal8Bit(argv[1]));
    window.findChild<QRadioButton*>("optFonte")->click();
    window.findChild<QLineEdit*>("txtFonte")->setText(QString::fromLocal8Bit(argv[2]));
    window.findChild<QCheckBox*>("chkSeparar")->click();
    window.findChild<QPushButton*>("cmbGo")->click();
    if (!window.downloading())
        return 1;

    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &app, [&] {
        if (!window.downloading())
            app.quit();
    });
    poll.start(10);
    app.exec();
    const QString status = window.findChild<QLabel*>("lblEstado")->text();
    std::fprintf(stderr, "%s\n", qPrintable(status));
    return status == QStringLiteral("Download terminado e unido") ? 0 : 1;
}
