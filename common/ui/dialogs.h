#pragma once

#include <QString>

#include <optional>

class QWidget;

namespace suite {

enum class MessageIcon { None, Information, Exclamation, Critical, Question };

// The answers to "save the changes first?".
enum class SaveAnswer { Save, Discard, Cancel };

// Every message box, input box and file or folder chooser a window shows goes
// through this interface, so that tests can see what was asked and answer it.
// File filters are written "Description|*.ext" (pairs separated by bars), as
// the programs' texts give them.
class Dialogs {
public:
    virtual ~Dialogs() = default;

    virtual void message(QWidget* parent, MessageIcon icon, const QString& title,
                         const QString& text) = 0;
    // A Yes/No question; true for Yes.
    virtual bool question(QWidget* parent, MessageIcon icon, const QString& title,
                          const QString& text) = 0;
    // A Yes/No question whose Yes throws something away, so that Enter and
    // Escape answer No; true for Yes. Dialogs that never wait for a key may
    // leave it to question().
    virtual bool questionDefaultNo(QWidget* parent, MessageIcon icon, const QString& title,
                                   const QString& text)
    {
        return question(parent, icon, title, text);
    }
    // Save, Discard or Cancel for changes not yet saved; Enter answers Save.
    // Dialogs that never wait for a key may answer it as a Yes/No question.
    virtual SaveAnswer askToSave(QWidget* parent, const QString& title, const QString& text)
    {
        return question(parent, MessageIcon::Exclamation, title, text) ? SaveAnswer::Save
                                                                       : SaveAnswer::Discard;
    }
    // The typed text, or nothing when the user cancels.
    virtual std::optional<QString> input(QWidget* parent, const QString& title,
                                         const QString& prompt, const QString& initial = {}) = 0;
    // The chosen path, or an empty text when the user cancels.
    virtual QString openFile(QWidget* parent, const QString& filter,
                             const QString& initialPath = {}) = 0;
    virtual QString saveFile(QWidget* parent, const QString& filter,
                             const QString& initialPath = {}) = 0;
    virtual QString chooseFolder(QWidget* parent, const QString& title) = 0;
};

// The real Qt dialogs.
class QtDialogs final : public Dialogs {
public:
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
};

// "Sprites (.spr)|*.spr" -> "Sprites (.spr) (*.spr)", one Qt filter per pair.
QString toQtFileFilter(const QString& barSeparatedFilter);

} // namespace suite
