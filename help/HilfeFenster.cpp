#include "help/HilfeFenster.h"

#include "help/FingerBild.h"
#include "help/Kurzanleitung.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QTabWidget>
#include <QTextBrowser>
#include <QVBoxLayout>

HilfeFenster::HilfeFenster(int seite, QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("HilfeFenster"));
    setWindowTitle(QStringLiteral("10-Finger Fingalo – Hilfe"));
    setModal(true);

    m_anleitung = new QTextBrowser(this);
    m_anleitung->setObjectName(QStringLiteral("Kurzanleitung"));
    m_anleitung->setOpenLinks(false);
    m_anleitung->setHtml(Kurzanleitung::text());
    m_anleitung->setAccessibleName(QStringLiteral("Kurzanleitung"));

    m_fingerBild = new FingerBild(this);

    m_seiten = new QTabWidget(this);
    m_seiten->addTab(m_anleitung, QStringLiteral("&Kurzanleitung"));
    m_seiten->addTab(m_fingerBild, QStringLiteral("&Finger im Bild"));
    m_seiten->setAccessibleName(QStringLiteral("Hilfeseiten"));

    auto *knoepfe = new QDialogButtonBox(QDialogButtonBox::Close, this);
    knoepfe->button(QDialogButtonBox::Close)->setText(QStringLiteral("&Schließen"));
    connect(knoepfe, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_seiten);
    layout->addWidget(knoepfe);

    resize(900, 640);
    setzeSeite(seite);
}

void HilfeFenster::setzeSeite(int seite)
{
    m_seiten->setCurrentIndex(seite == 2 ? 1 : 0);
}
