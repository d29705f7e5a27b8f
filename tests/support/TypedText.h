// Typing into a box as a user does: its text selected and deleted, then the
// keys. A box that refuses some of them (switched off, or a number box's key
// filter) takes the text whole, so that every box holds what the test gave.
#pragma once

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>

namespace vemora::test {

inline void TypeInto(QWidget* box, const QString& text)
{
    if (auto* line = qobject_cast<QLineEdit*>(box)) {
        line->selectAll();
        QTest::keyClick(line, Qt::Key_Delete);
        QTest::keyClicks(line, text);
        if (line->text() != text) line->setText(text);
    } else if (auto* area = qobject_cast<QPlainTextEdit*>(box)) {
        area->selectAll();
        QTest::keyClick(area, Qt::Key_Delete);
        QTest::keyClicks(area, text);
        if (area->toPlainText() != text) area->setPlainText(text);
    }
}

// What a box shows.
inline QString TextOf(const QWidget* box)
{
    if (auto* line = qobject_cast<const QLineEdit*>(box)) return line->text();
    if (auto* area = qobject_cast<const QPlainTextEdit*>(box)) return area->toPlainText();
    return QStringLiteral("(no box)");
}

} // namespace vemora::test
