// Takes the screenshots of the docs folder: an .ent file open with a light
// selected, the same file with game data loaded showing a door's properties,
// and a map opened straight from its .bsp, its entity list filtered by class.
// Usage: entwright_screenshots <output folder>
#include "entwright/tests/support/bsp_builder.h"
#include "entwright/ui/frm_main.h"

#include "common/ui/language.h"

#include "common/testing/fake_dialogs.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QTemporaryDir>

#include <string>

namespace {

std::string entity(const std::string& classname, const std::string& lines)
{
    return "{\n\"classname\" \"" + classname + "\"\n" + lines + "}\n";
}

std::string sampleEntities()
{
    std::string text = entity("worldspawn", "\"wad\" \"\\half-life\\valve\\halflife.wad\"\n"
                                            "\"mapversion\" \"220\"\n\"skyname\" \"desert\"\n");
    text += entity("info_player_start", "\"origin\" \"-256 64 36\"\n\"angle\" \"90\"\n");
    const char* lamps[][3] = {{"hall_lamp_1", "-192 128 120", "255 240 200 250"},
                              {"hall_lamp_2", "-64 128 120", "255 240 200 250"},
                              {"", "320 -96 200", "128 160 255 400"},
                              {"lab_alarm", "512 256 96", "255 32 32 180"},
                              {"", "704 256 96", "255 255 255 120"}};
    for (const auto& lamp : lamps) {
        std::string lines = "\"origin\" \"" + std::string(lamp[1]) + "\"\n\"_light\" \"" + lamp[2] +
                            "\"\n\"style\" \"0\"\n";
        if (*lamp[0])
            lines = "\"targetname\" \"" + std::string(lamp[0]) + "\"\n" + lines;
        text += entity("light", lines);
    }
    text += entity("func_door", "\"model\" \"*1\"\n\"targetname\" \"lab_door\"\n"
                                "\"speed\" \"100\"\n\"wait\" \"4\"\n");
    text += entity("trigger_once", "\"model\" \"*2\"\n\"target\" \"lab_alarm\"\n");
    text += entity("light_spot", "\"origin\" \"128 0 240\"\n\"pitch\" \"-90\"\n"
                                 "\"_light\" \"255 255 224 300\"\n");
    text += entity("ambient_generic",
                   "\"origin\" \"512 240 64\"\n\"message\" \"ambience/alarm1.wav\"\n");
    return text;
}

// A piece of a game's data file, as the property table screenshot shows it.
const char* const kGameData = R"fgd(
@BaseClass = Targetname [ targetname(target_source) : "Name" ]
@BaseClass = Target [ target(target_destination) : "Target" ]
@BaseClass = RenderFields
[
    rendermode(choices) : "Render Mode" : 0 : "How the entity is drawn" =
    [
        0: "Normal"
        1: "Color"
        2: "Texture"
        3: "Glow"
        4: "Solid"
        5: "Additive"
    ]
    renderamt(integer) : "FX Amount (1 - 255)"
    rendercolor(color255) : "FX Color (R G B)" : "0 0 0"
]
@SolidClass base(Targetname, Target, RenderFields) = func_door : "Basic door"
[
    speed(integer) : "Speed" : 100 : "How fast the door moves, in units a second"
    wait(integer) : "Delay before close, -1 stay open" : 4
    lip(integer) : "Lip"
    movesnd(choices) : "Move Sound" : 0 =
    [
        0: "No Sound"
        1: "Servo (Sliding)"
        2: "Pneumatic (Sliding)"
    ]
    spawnflags(flags) =
    [
        1 : "Starts Open" : 0
        4 : "Don't link" : 0
        8: "Passable" : 0
        32: "Toggle" : 0
        256: "Use Only" : 0
    ]
]
@PointClass base(Targetname) = light : "Invisible lightsource"
[
    _light(color255) : "Brightness" : "255 255 128 200"
    style(choices) : "Appearance" : 0 = [ 0 : "Normal" 10: "Fluorescent flicker" ]
]
)fgd";

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    suite::setUpLanguages({QStringLiteral("entwright"), suite::kEnglish, QString()});
    const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::currentPath();
    QTemporaryDir folder;
    const QString path = QDir(folder.path()).filePath(QStringLiteral("c1a3.bsp"));
    const auto map = ent::testing::buildMap(30, sampleEntities() + std::string(1, '\0'),
                                            {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14}, 3);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return 1;
    file.write(map.bytes.data(), static_cast<qint64>(map.bytes.size()));
    file.close();

    suite::testing::FakeDialogs dialogs;
    {
        const QString listPath = QDir(folder.path()).filePath(QStringLiteral("c1a0.ent"));
        QFile list(listPath);
        if (!list.open(QIODevice::WriteOnly))
            return 1;
        const std::string text =
            entity("worldspawn", "\"wad\" \"\\half-life\\valve\\halflife.wad\"\n") +
            entity("info_player_start", "\"origin\" \"-1536 -768 36\"\n") +
            entity("light", "\"origin\" \"-1408 -896 160\"\n\"_light\" \"255 236 200 300\"\n"
                            "\"style\" \"0\"\n") +
            entity("func_door", "\"model\" \"*1\"\n\"targetname\" \"lobby_door\"\n"
                                "\"rendermode\" \"5\"\n\"renderamt\" \"180\"\n"
                                "\"rendercolor\" \"255 160 64\"\n\"speed\" \"150\"\n"
                                "\"spawnflags\" \"288\"\n") +
            entity("trigger_once", "\"model\" \"*2\"\n\"target\" \"lobby_door\"\n") +
            entity("ambient_generic", "\"origin\" \"-1200 -700 64\"\n") +
            entity("monster_scientist", "\"origin\" \"-1300 -640 36\"\n\"angle\" \"180\"\n");
        list.write(text.data(), static_cast<qint64>(text.size()));
        list.close();
        frmMain window(folder.path(), dialogs);
        window.show();
        window.openFile(listPath);
        auto* entities = window.findChild<QAbstractItemView*>(QStringLiteral("listEntity"));
        entities->setCurrentIndex(entities->model()->index(2, 0));
        window.findChild<QListWidget*>(QStringLiteral("listKey"))->setCurrentRow(1);
        app.processEvents();
        if (!window.grab().save(QDir(out).filePath(QStringLiteral("entwright-main.png"))))
            return 1;
    }

    {
        const QString fgdPath = QDir(folder.path()).filePath(QStringLiteral("halflife.fgd"));
        QFile fgd(fgdPath);
        if (!fgd.open(QIODevice::WriteOnly))
            return 1;
        fgd.write(kGameData);
        fgd.close();
        frmMain window(folder.path(), dialogs);
        window.resize(860, 620);
        window.show();
        window.loadGameData({fgdPath});
        window.openFile(QDir(folder.path()).filePath(QStringLiteral("c1a0.ent")));
        auto* entities = window.findChild<QAbstractItemView*>(QStringLiteral("listEntity"));
        entities->setCurrentIndex(entities->model()->index(3, 0));
        app.processEvents();
        bool saved =
            window.grab().save(QDir(out).filePath(QStringLiteral("entwright-properties.png")));
        // The same window as a Brazilian desktop shows it.
        suite::switchLanguage(suite::kPortuguese);
        // Once for the language change, once for the layouts it asks for.
        app.processEvents();
        app.processEvents();
        saved = saved &&
                window.grab().save(QDir(out).filePath(QStringLiteral("entwright-portuguese.png")));
        suite::switchLanguage(QString());
        app.processEvents();
        // The game data is not wanted in the next window.
        window.loadGameData({});
        if (!saved)
            return 1;
    }

    frmMain window(folder.path(), dialogs);
    window.show();
    window.openFile(path);
    window.findChild<QComboBox*>(QStringLiteral("cboFilter"))->setCurrentIndex(0);
    window.findChild<QLineEdit*>(QStringLiteral("txtFilter"))->setText(QStringLiteral("light"));
    auto* list = window.findChild<QAbstractItemView*>(QStringLiteral("listEntity"));
    list->setCurrentIndex(list->model()->index(3, 0));
    auto* keys = window.findChild<QListWidget*>(QStringLiteral("listKey"));
    keys->setCurrentRow(3);
    app.processEvents();
    return window.grab().save(QDir(out).filePath(QStringLiteral("entwright-bsp-filtered.png"))) ? 0
                                                                                                : 1;
}
