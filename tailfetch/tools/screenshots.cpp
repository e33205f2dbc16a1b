// Puts the window in two states a user sees and saves them as pictures for
// the documentation: a download under way, and the join panel after a join.
// Usage (under a real or virtual X display): tailfetch_screenshots <folder>
#include "tailfetch/tests/test_server.h"
#include "tailfetch/ui/main_window.h"

#include "common/ui/dialogs.h"

#include "common/ui/language.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>

#include <cstdio>

namespace {

class SilentDialogs final : public suite::Dialogs {
public:
    void message(QWidget*, suite::MessageIcon, const QString&, const QString& text) override
    {
        std::fprintf(stderr, "message: %s\n", qPrintable(text));
    }
    bool question(QWidget*, suite::MessageIcon, const QString&, const QString&) override
    {
        return false;
    }
    std::optional<QString> input(QWidget*, const QString&, const QString&, const QString&) override
    {
        return {};
    }
    QString openFile(QWidget*, const QString&, const QString&) override { return {}; }
    QString saveFile(QWidget*, const QString&, const QString&) override { return {}; }
    QString chooseFolder(QWidget*, const QString&) override { return {}; }
};

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
}

bool save(QWidget* window, const QString& path)
{
    window->raise();
    QApplication::processEvents();
    return window->grab().save(path);
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <folder>\n", argv[0]);
        return 2;
    }
    // The window in its own language, figures grouped the Portuguese way.
    suite::setUpLanguages({QStringLiteral("tailfetch"), suite::kPortuguese, QString()});
    suite::switchLanguage(QString());
    const QDir out(QString::fromLocal8Bit(argv[1]));
    QTemporaryDir work;
    const QString folder = work.filePath(QStringLiteral("Downloads"));
    QDir().mkpath(folder);
    const QString source = folder + QStringLiteral("/ubuntu-12.04-desktop-i386.iso");
    writeFile(source, QByteArray(300'001, 'a'));

    // A server that tells a 700 MiB length and then sends the body slowly.
    const qint64 length = 734'003'200;
    const qint64 from = 300'001 - tailfetch::kCheckWindow;
    const QByteArray range = "HTTP/1.1 206 Partial Content\r\nContent-Range: bytes " +
                             QByteArray::number(from) + "-" + QByteArray::number(length - 1) + "/" +
                             QByteArray::number(length) + "\r\n\r\n";
    // The body starts with the file's last 64 KiB, fetched again to be compared.
    tailfetch::testing::ScriptedServer::Reply body{
        {range + QByteArray(tailfetch::kCheckWindow, 'a')}, false};
    for (int i = 0; i < 400; ++i)
        body.pieces.append(QByteArray(48 << 10, 'b'));
    tailfetch::testing::ScriptedServer server(
        {{{"HTTP/1.0 200 OK\r\nContent-Length: " + QByteArray::number(length) + "\r\n\r\n"}}, body},
        20);

    SilentDialogs dialogs;
    tailfetch::MainWindow window(work.path(), dialogs);
    window.show();
    window.findChild<QLineEdit*>("txtPath")->setText(
        QStringLiteral("http://localhost:%1/releases/12.04/ubuntu-12.04-desktop-i386.iso")
            .arg(server.port()));
    window.findChild<QRadioButton*>("optFonte")->click();
    window.findChild<QLineEdit*>("txtFonte")->setText(source);
    window.findChild<QCheckBox*>("chkSeparar")->click();
    window.findChild<QPushButton*>("cmbGo")->click();
    auto* speed = window.findChild<QLabel*>("lblVelocidade");
    if (!tailfetch::testing::waitUntil(
            [&] { return speed->text().endsWith(QStringLiteral("bytes/seg")); }, 10000))
        return 1;
    if (!save(&window, out.filePath(QStringLiteral("tailfetch-download.png"))))
        return 1;
    window.findChild<QPushButton*>("cmbStop")->click();

    const QString part = folder + QStringLiteral("/ubuntu-12.04-desktop-i386.iso.resto");
    // "Parar" kept what arrived; the join is shown on the file as it was.
    writeFile(source, QByteArray(300'001, 'a'));
    writeFile(part, "a" + QByteArray(999, 'c'));
    window.findChild<QPushButton*>("cmbJuntar")->click();
    window.findChild<QLineEdit*>("txtArquivoFonte")->setText(source);
    window.findChild<QLineEdit*>("txtRestante")->setText(part);
    window.findChild<QPushButton*>("cmbUnir")->click();
    if (!tailfetch::testing::waitUntil([&] { return !window.joining(); }, 10000))
        return 1;
    return save(&window, out.filePath(QStringLiteral("tailfetch-join.png"))) ? 0 : 1;
}
