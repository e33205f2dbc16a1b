#pragma once

#include "common/testing/window_test.h"
#include "texpeek/ui/main_window.h"

#include <QByteArray>
#include <QLabel>
#include <QString>

#include <string>

namespace texpeek::testing {

// A Texpeek window over a scratch program folder, with the steps most of
// its tests take.
class WindowFixture : public suite::testing::WindowTest {
protected:
    MainWindow window_{programDir(), dialogs_};

    // Puts the file in the program folder and opens it through the dialog;
    // its path.
    QString open(const QString& name, const std::string& file)
    {
        writeFile(name, QByteArray(file.data(), static_cast<qsizetype>(file.size())));
        dialogs_.paths.push_back(pathIn(name));
        window_.Abrir();
        return pathIn(name);
    }

    // The text of the label named `label`.
    QString text(const char* label) const
    {
        return suite::testing::child<QLabel>(&window_, QString::fromLatin1(label))->text();
    }
};

} // namespace texpeek::testing
