#pragma once

#include "common/ui/dialogs.h"

#include <QList>
#include <QString>

#include <deque>
#include <functional>
#include <optional>

namespace suite::testing {

// Records every dialog a window shows and answers from queues the test fills.
// An empty queue answers as a user who cancels (No, no text, no path).
class FakeDialogs final : public Dialogs {
public:
    enum class Kind { Message, Question, Input, OpenFile, SaveFile, Folder };

    struct Shown {
        Kind kind;
        MessageIcon icon = MessageIcon::None;
        QString title;
        QString text; // message or prompt
        QString filter; // file dialogs
        QString initial;
        bool defaultNo = false; // a question on which Enter answers No
    };

    QList<Shown> shown;
    std::deque<bool> answers;
    // Answers to askToSave; an empty queue cancels.
    std::deque<SaveAnswer> saveAnswers;
    std::deque<std::optional<QString>> inputs;
    std::deque<QString> paths; // open, save and folder choosers alike

    // Runs while a dialog is "open", before it answers (e.g. to look at the
    // window behind a message).
    std::function<void(const Shown&)> onShow;

    void message(QWidget* parent, MessageIcon icon, const QString& title,
                 const QString& text) override;
    bool question(QWidget* parent, MessageIcon icon, const QString& title,
                  const QString& text) override;
    bool questionDefaultNo(QWidget* parent, MessageIcon icon, const QString& title,
                           const QString& text) override;
    SaveAnswer askToSave(QWidget* parent, const QString& title, const QString& text) override;
    std::optional<QString> input(QWidget* parent, const QString& title, const QString& prompt,
                                 const QString& initial) override;
    QString openFile(QWidget* parent, const QString& filter, const QString& initialPath) override;
    QString saveFile(QWidget* parent, const QString& filter, const QString& initialPath) override;
    QString chooseFolder(QWidget* parent, const QString& title) override;

    // The messages and questions shown, in order.
    QList<Shown> messages() const;
    // The last message or question; fails the test if there was none.
    Shown lastMessage() const;
    void clear() { shown.clear(); }

private:
    void record(Shown entry);
    bool nextAnswer();
    QString nextPath();
};

} // namespace suite::testing
