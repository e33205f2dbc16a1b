#include "fake_dialogs.h"

#include <gtest/gtest.h>

namespace suite::testing {

void FakeDialogs::record(Shown entry)
{
    shown.append(entry);
    if (onShow)
        onShow(entry);
}

QString FakeDialogs::nextPath()
{
    if (paths.empty())
        return {};
    QString path = paths.front();
    paths.pop_front();
    return path;
}

void FakeDialogs::message(QWidget*, MessageIcon icon, const QString& title, const QString& text)
{
    record({Kind::Message, icon, title, text, {}, {}});
}

bool FakeDialogs::nextAnswer()
{
    if (answers.empty())
        return false;
    const bool answer = answers.front();
    answers.pop_front();
    return answer;
}

bool FakeDialogs::question(QWidget*, MessageIcon icon, const QString& title, const QString& text)
{
    record({Kind::Question, icon, title, text, {}, {}});
    return nextAnswer();
}

bool FakeDialogs::questionDefaultNo(QWidget*, MessageIcon icon, const QString& title,
                                    const QString& text)
{
    record({Kind::Question, icon, title, text, {}, {}, true});
    return nextAnswer();
}

SaveAnswer FakeDialogs::askToSave(QWidget*, const QString& title, const QString& text)
{
    record({Kind::Question, MessageIcon::Exclamation, title, text, {}, {}});
    if (saveAnswers.empty())
        return SaveAnswer::Cancel;
    const SaveAnswer answer = saveAnswers.front();
    saveAnswers.pop_front();
    return answer;
}

std::optional<QString> FakeDialogs::input(QWidget*, const QString& title, const QString& prompt,
                                          const QString& initial)
{
    record({Kind::Input, MessageIcon::None, title, prompt, {}, initial});
    if (inputs.empty())
        return std::nullopt;
    auto answer = inputs.front();
    inputs.pop_front();
    return answer;
}

QString FakeDialogs::openFile(QWidget*, const QString& filter, const QString& initialPath)
{
    record({Kind::OpenFile, MessageIcon::None, {}, {}, filter, initialPath});
    return nextPath();
}

QString FakeDialogs::saveFile(QWidget*, const QString& filter, const QString& initialPath)
{
    record({Kind::SaveFile, MessageIcon::None, {}, {}, filter, initialPath});
    return nextPath();
}

QString FakeDialogs::chooseFolder(QWidget*, const QString& title)
{
    record({Kind::Folder, MessageIcon::None, title, {}, {}, {}});
    return nextPath();
}

QList<FakeDialogs::Shown> FakeDialogs::messages() const
{
    QList<Shown> result;
    for (const Shown& entry : shown) {
        if (entry.kind == Kind::Message || entry.kind == Kind::Question)
            result.append(entry);
    }
    return result;
}

FakeDialogs::Shown FakeDialogs::lastMessage() const
{
    const QList<Shown> all = messages();
    EXPECT_FALSE(all.isEmpty()) << "no message was shown";
    return all.isEmpty() ? Shown{Kind::Message, MessageIcon::None, {}, {}, {}, {}} : all.last();
}

} // namespace suite::testing
