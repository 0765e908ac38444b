#include "util/QtMeldungen.h"

#include "util/Anwendung.h"

#include <QApplication>
#include <QMessageBox>

void QtMeldungen::zeige(const QString &text, const QString &titel, Symbol symbol)
{
    QMessageBox box(symbol == Symbol::Information ? QMessageBox::Information : QMessageBox::NoIcon,
                    titel, Anwendung::anzeigetext(text), QMessageBox::Ok,
                    QApplication::activeWindow());
    box.setTextFormat(Qt::PlainText);
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}
