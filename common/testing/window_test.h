#pragma once

#include "common/testing/fake_dialogs.h"
#include "common/testing/modal_watch.h"

#include <QAbstractButton>
#include <QApplication>
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include <stdexcept>

namespace suite::testing {

// Base fixture for window tests: a fresh, empty program directory and a
// dialog double the window under test is given.
class WindowTest : public ::testing::Test {
protected:
    QTemporaryDir programDir_;
    FakeDialogs dialogs_;

    void TearDown() override { expectEveryModalSeen(); }

    QString programDir() const { return programDir_.path(); }
    QString pathIn(const QString& name) const { return QDir(programDir()).filePath(name); }

    void writeFile(const QString& name, const QByteArray& bytes) const
    {
        QFile file(pathIn(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << name.toStdString();
        file.write(bytes);
    }

    QByteArray readFile(const QString& name) const
    {
        QFile file(pathIn(name));
        if (!file.open(QIODevice::ReadOnly))
            return {};
        return file.readAll();
    }
};

// The child of `root` with this object name. A missing one fails the test
// and ends it (GoogleTest reports the exception), rather than handing the
// test a null pointer to crash on or, worse, to skip checks with.
struct MissingWidget : std::runtime_error {
    using std::runtime_error::runtime_error;
};

template <typename T>
T* child(const QObject* root, const QString& name)
{
    T* found = root ? root->findChild<T*>(name) : nullptr;
    if (!found) {
        const std::string what =
            std::string("no ") + T::staticMetaObject.className() + " named " + name.toStdString();
        ADD_FAILURE() << what;
        throw MissingWidget(what);
    }
    return found;
}

// A left click in the middle of a widget, as a user would make it.
inline void click(QWidget* widget)
{
    ASSERT_NE(widget, nullptr);
    QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier, widget->rect().center());
}

} // namespace suite::testing
