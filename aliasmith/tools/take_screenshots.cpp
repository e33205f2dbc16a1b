// Puts the main window in its full layout with three rows and saves a picture
// of it in English and in Portuguese, and one of a profile with unsaved
// changes: take_screenshots <output folder>.
#include "aliasmith/ui/about_dialog.h"
#include "aliasmith/ui/main_window.h"

#include "common/ui/language.h"

#include "common/ui/dialogs.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTreeWidget>

#include <cstdio>

namespace {

// Nothing is asked while the pictures are taken.
class SilentDialogs final : public suite::Dialogs {
public:
    void message(QWidget*, suite::MessageIcon, const QString&, const QString&) override {}
    bool question(QWidget*, suite::MessageIcon, const QString&, const QString&) override
    {
        return false;
    }
    std::optional<QString> input(QWidget*, const QString&, const QString&, const QString&) override
    {
        return std::nullopt;
    }
    QString openFile(QWidget*, const QString&, const QString&) override { return {}; }
    QString saveFile(QWidget*, const QString&, const QString&) override { return {}; }
    QString chooseFolder(QWidget*, const QString&) override { return {}; }
};

bool save(QWidget& window, const QString& path)
{
    QApplication::processEvents();
    const bool saved = window.grab().save(path);
    std::printf("%s %s\n", saved ? "wrote" : "could not write", qPrintable(path));
    return saved;
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    suite::setUpLanguages({QStringLiteral("aliasmith"), suite::kEnglish, QString()});
    if (argc != 2) {
        std::fprintf(stderr, "usage: take_screenshots <output folder>\n");
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    QTemporaryDir programDir;
    QDir(programDir.path()).mkpath(QStringLiteral("profiles"));
    QFile profile(programDir.filePath(QStringLiteral("profiles/LAN party.aprof")));
    if (!profile.open(QIODevice::WriteOnly))
        return 1;
    profile.write("5.84.117.30\r\n"
                  "5.211.40.17 5.84.117.1 Marcos\r\n"
                  "5.98.3.152 5.84.117.2 Juliana\r\n"
                  "5.140.77.9 5.84.117.3 Tiago\r\n");
    profile.close();
    QFile settings(programDir.filePath(QStringLiteral("am.ini")));
    if (!settings.open(QIODevice::WriteOnly))
        return 1;
    settings.write("C:\\Program Files\\Hamachi\r\nEnglish\r\n");
    settings.close();
    QFile applied(programDir.filePath(QStringLiteral("am-applied.ini")));
    if (!applied.open(QIODevice::WriteOnly))
        return 1;
    applied.write("LAN party\r\n");
    applied.close();

    SilentDialogs dialogs;
    aliasmith::MainWindow window(programDir.path(), dialogs);
    window.show();
    bool ok = save(window, out.filePath(QStringLiteral("aliasmith-compact.png")));
    window.findChild<QComboBox*>(QStringLiteral("cboProfile"))->setCurrentIndex(0);
    window.findChild<QTreeWidget*>(QStringLiteral("lstAlias"))->topLevelItem(1)->setSelected(true);
    ok = save(window, out.filePath(QStringLiteral("aliasmith-english.png"))) && ok;
    window.findChild<QComboBox*>(QStringLiteral("cboLang"))->setCurrentIndex(1);
    ok = save(window, out.filePath(QStringLiteral("aliasmith-portuguese.png"))) && ok;

    window.findChild<QComboBox*>(QStringLiteral("cboLang"))->setCurrentIndex(0);
    auto* list = window.findChild<QTreeWidget*>(QStringLiteral("lstAlias"));
    window.findChild<QLineEdit*>(QStringLiteral("txtFriend"))
        ->setText(QStringLiteral("5.77.201.4"));
    window.findChild<QPushButton*>(QStringLiteral("cmbAdd"))->click();
    list->topLevelItem(3)->setText(0, QStringLiteral("Renata"));
    list->clearSelection();
    ok = save(window, out.filePath(QStringLiteral("aliasmith-unsaved.png"))) && ok;

    window.findChild<QComboBox*>(QStringLiteral("cboLang"))->setCurrentIndex(1);
    aliasmith::AboutDialog about;
    about.show();
    ok = save(about, out.filePath(QStringLiteral("aliasmith-about.png"))) && ok;
    return ok ? 0 : 1;
}
