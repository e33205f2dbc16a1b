#include "window_checks.h"

#include "common/ui/dialogs.h"
#include "common/ui/language.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <QCheckBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QWidget>

#include <gtest/gtest.h>

namespace suite::testing {
namespace {

std::string nameOf(const QWidget* widget)
{
    const QString name = widget->objectName();
    return (name.isEmpty() ? QString::fromLatin1(widget->metaObject()->className()) : name)
        .toStdString();
}

QString shownLine(QString text)
{
    text = text.section(QLatin1Char('\n'), 0, 0);
    // "&&" is a literal ampersand; a single one marks the mnemonic.
    text.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    text.remove(QLatin1Char('&'));
    text.replace(QStringLiteral("\x01"), QStringLiteral("&"));
    return text;
}

void expectFits(const QWidget* widget, int needed, int room)
{
    EXPECT_LE(needed, room) << nameOf(widget) << " cuts its text off: it needs " << needed
                            << " pixels and has " << room;
}

} // namespace

void expectAccessibleNames(QWidget* root)
{
    ASSERT_NE(root, nullptr);
    QList<QWidget*> widgets = root->findChildren<QWidget*>();
    widgets.prepend(root);
    for (QWidget* widget : widgets) {
        if (widget->focusPolicy() == Qt::NoFocus || widget->focusProxy())
            continue;
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
        ASSERT_NE(accessible, nullptr) << nameOf(widget);
        EXPECT_FALSE(accessible->text(QAccessible::Name).trimmed().isEmpty())
            << nameOf(widget) << " takes focus but has no accessible name";
    }
}

void expectTextsFit(QWidget* root)
{
    ASSERT_NE(root, nullptr);
    for (QWidget* widget : root->findChildren<QWidget*>()) {
        if (!widget->isVisibleTo(root))
            continue;
        const QFontMetrics metrics = widget->fontMetrics();
        if (auto* label = qobject_cast<QLabel*>(widget)) {
            if (label->wordWrap() || label->text().isEmpty() || label->textFormat() == Qt::RichText)
                continue;
            const int margins = label->contentsMargins().left() + label->contentsMargins().right() +
                                2 * label->margin() + 2 * label->indent();
            expectFits(label, metrics.horizontalAdvance(shownLine(label->text())),
                       label->width() - std::max(0, margins));
        } else if (auto* push = qobject_cast<QPushButton*>(widget)) {
            if (push->text().isEmpty())
                continue;
            QStyleOptionButton option;
            option.initFrom(push);
            const int padding =
                2 * push->style()->pixelMetric(QStyle::PM_ButtonMargin, &option, push) +
                2 * push->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, push);
            const int icon = push->icon().isNull() ? 0 : push->iconSize().width() + 4;
            expectFits(push, metrics.horizontalAdvance(shownLine(push->text())) + padding + icon,
                       push->width());
        } else if (qobject_cast<QCheckBox*>(widget) || qobject_cast<QRadioButton*>(widget)) {
            expectFits(widget, widget->sizeHint().width(), widget->width());
        } else if (auto* bar = qobject_cast<QMenuBar*>(widget)) {
            // A menu bar too narrow for its menus hides the last ones
            // behind an arrow, with no room of their own.
            for (QAction* action : bar->actions()) {
                if (action->isVisible() && !action->isSeparator()) {
                    const QRect room = bar->actionGeometry(action);
                    EXPECT_TRUE(!room.isEmpty() && bar->rect().contains(room))
                        << nameOf(bar) << ": the menu \"" << shownLine(action->text()).toStdString()
                        << "\" does not fit";
                }
            }
        } else if (auto* frame = qobject_cast<QGroupBox*>(widget)) {
            if (frame->title().isEmpty())
                continue;
            // The title sits inside the frame, an indent from each edge.
            expectFits(frame, metrics.horizontalAdvance(shownLine(frame->title())) + 16,
                       frame->width());
        }
    }
}

QStringList buttonsOfAQuestion(QWidget* parent)
{
    QStringList texts;
    bool seen = false;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box)
            return;
        seen = true;
        for (QAbstractButton* button : box->buttons())
            texts << shownLine(button->text());
        box->button(QMessageBox::No)->click();
    });
    QtDialogs dialogs;
    const bool answer =
        dialogs.question(parent, MessageIcon::Question, QStringLiteral("?"), QStringLiteral("?"));
    EXPECT_TRUE(seen) << "no question box appeared";
    EXPECT_FALSE(answer);
    texts.sort();
    return texts;
}

void useLanguage(const QString& code)
{
    ASSERT_TRUE(switchLanguage(code)) << code.toStdString();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
}

} // namespace suite::testing
