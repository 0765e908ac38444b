#include "util/QtMeldungen.h"

#include "util/Anwendung.h"

#include <QApplication>
#include <QMessageBox>

void QtMeldungen::zeige(const QString &text, const QString &titel, Symbol symbol,
                        const QString &gesprochen)
{
    QMessageBox box(symbol == Symbol::Information ? QMessageBox::Information : QMessageBox::NoIcon,
                    titel, Anwendung::anzeigetext(text), QMessageBox::Ok,
                    QApplication::activeWindow());
    box.setTextFormat(Qt::PlainText);
    // A screen reader names an alert before it reads the alert's text; the window keeps its title.
    if (!gesprochen.isEmpty())
        box.setAccessibleName(gesprochen);
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}
