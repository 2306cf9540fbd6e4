#pragma once

#include <QCoreApplication>
#include <QInputMethodEvent>
#include <QString>
#include <QWidget>

// What an input method delivers: a composition shown while it is typed,
// then the committed text.
inline void compose(QWidget* box, const QString& preedit, const QString& commit)
{
    QInputMethodEvent shown(preedit, {});
    QCoreApplication::sendEvent(box, &shown);
    QInputMethodEvent done;
    done.setCommitString(commit);
    QCoreApplication::sendEvent(box, &done);
}
