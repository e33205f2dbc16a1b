#include "language.h"

#include <QActionGroup>
#include <QEvent>

namespace suite {

LanguageMenu::LanguageMenu(QWidget* parent) : QMenu(parent)
{
    setObjectName(QStringLiteral("menLanguage"));
    auto* group = new QActionGroup(this);
    for (const QString& code : availableLanguages()) {
        // Each language in its own name, so a user lost in the other one
        // still finds theirs.
        const QString name =
            code == kEnglish ? QStringLiteral("English") : QStringLiteral("Português (Brasil)");
        QAction* action = addAction(name);
        action->setObjectName(QStringLiteral("menLanguage_") + code);
        action->setCheckable(true);
        action->setChecked(code == currentLanguage());
        group->addAction(action);
        connect(action, &QAction::triggered, this, [code] {
            switchLanguage(code);
            storeLanguage(code);
        });
    }
    retranslate();
}

void LanguageMenu::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange) {
        retranslate();
        for (QAction* action : actions())
            action->setChecked(action->objectName().endsWith(currentLanguage()));
    }
    QMenu::changeEvent(event);
}

void LanguageMenu::retranslate()
{
    setTitle(tr("&Language"));
}

} // namespace suite
