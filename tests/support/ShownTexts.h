#pragma once

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTabWidget>
#include <QTextEdit>
#include <map>

// Every text a user may read in a window, hidden controls included (a page
// not shown yet, a menu not opened): captions, button and group titles, combo
// items, tab names and hints, tool tips, place holders, the log's text and
// the actions of the menus. Keyed by where it stands, so that two windows
// built alike can be compared text by text.
inline std::map<QString, QString> shownTexts(QObject* root) {
    std::map<QString, QString> texts;
    const auto add = [&texts](const QString& where, const QString& text) {
        if (!text.trimmed().isEmpty()) {
            texts[where] = text;
        }
    };
    const auto pathOf = [root](const QObject* object) {
        QString path;
        for (const QObject* at = object; at != nullptr && at != root; at = at->parent()) {
            QString name = at->objectName();
            if (name.isEmpty() && at->parent() != nullptr) {
                // Unnamed: its class and place among its parent's children.
                name = QString::fromLatin1(at->metaObject()->className()) + QLatin1Char('#') +
                       QString::number(at->parent()->children().indexOf(at));
            }
            path = name + QLatin1Char('/') + path;
        }
        return path;
    };
    auto objects = root->findChildren<QObject*>();
    objects.prepend(root);
    for (QObject* object : objects) {
        const QString where = pathOf(object);
        if (auto* widget = qobject_cast<QWidget*>(object)) {
            add(where + QStringLiteral("toolTip"), widget->toolTip());
            if (widget->isWindow()) {
                add(where + QStringLiteral("title"), widget->windowTitle());
            }
        }
        if (auto* button = qobject_cast<QAbstractButton*>(object)) {
            add(where + QStringLiteral("text"), button->text());
        } else if (auto* label = qobject_cast<QLabel*>(object)) {
            add(where + QStringLiteral("text"), label->text());
        } else if (auto* group = qobject_cast<QGroupBox*>(object)) {
            add(where + QStringLiteral("title"), group->title());
        } else if (auto* combo = qobject_cast<QComboBox*>(object)) {
            for (int item = 0; item < combo->count(); ++item) {
                add(where + QString::number(item), combo->itemText(item));
            }
        } else if (auto* tabs = qobject_cast<QTabWidget*>(object)) {
            for (int tab = 0; tab < tabs->count(); ++tab) {
                add(where + QStringLiteral("tab") + QString::number(tab), tabs->tabText(tab));
                add(where + QStringLiteral("tabTip") + QString::number(tab), tabs->tabToolTip(tab));
            }
        } else if (auto* edit = qobject_cast<QLineEdit*>(object)) {
            add(where + QStringLiteral("placeholder"), edit->placeholderText());
        } else if (auto* text = qobject_cast<QTextEdit*>(object)) {
            add(where + QStringLiteral("text"), text->toPlainText());
        } else if (auto* menu = qobject_cast<QMenu*>(object)) {
            add(where + QStringLiteral("title"), menu->title());
        } else if (auto* action = qobject_cast<QAction*>(object)) {
            add(where + QStringLiteral("text"), action->text());
            if (action->toolTip() != action->text()) {
                add(where + QStringLiteral("toolTip"), action->toolTip());
            }
        }
    }
    return texts;
}
