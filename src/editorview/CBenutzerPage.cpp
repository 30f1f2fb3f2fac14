#include "CBenutzerPage.h"

#include <QGridLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>

#include "CBenutzer.h"
#include "CEditorDaten.h"
#include "SeitenTeile.h"

CBenutzerPage::CBenutzerPage(CEditorDaten& daten, IDialoge& dialoge, IEditorDialoge& editorDialoge,
                             QWidget* parent)
    : CEditorSeite(daten, dialoge, editorDialoge, parent) {
    m_edtName = seitenteile::Feld(this, "name");
    m_edtVorname = seitenteile::Feld(this, "vorname");
    m_edtPasswort = seitenteile::Feld(this, "passwort");
    m_edtPasswort->setEchoMode(QLineEdit::Password);
    m_sldZeilen = Regler(2, 10, 2, "zeilen", m_edtZeilen);
    m_sldSpalten = Regler(5, 20, 2, "spalten", m_edtSpalten);
    m_sldSpeed = Regler(50, 200, 20, "speed", m_edtSpeed);
    m_sldPitch = Regler(50, 200, 20, "pitch", m_edtPitch);
    QPushButton* test = seitenteile::Knopf(this, "Test", "test");

    auto* raster = new QGridLayout(this);
    int zeile = 0;
    seitenteile::Reihe(*raster, zeile, "Name:", m_edtName);
    seitenteile::Reihe(*raster, zeile, "Vorname:", m_edtVorname);
    seitenteile::Reihe(*raster, zeile, "Buttons senkrecht:", m_sldZeilen, m_edtZeilen);
    seitenteile::Reihe(*raster, zeile, "Buttons waagrecht:", m_sldSpalten, m_edtSpalten);
    seitenteile::Reihe(*raster, zeile, "Passwort:", m_edtPasswort);
    seitenteile::Reihe(*raster, zeile, "Sprech-Geschwindigkeit:", m_sldSpeed, m_edtSpeed);
    seitenteile::Reihe(*raster, zeile, "Tonhöhe:", m_sldPitch, m_edtPitch);
    raster->addWidget(test, zeile, 1, Qt::AlignLeft);
    raster->setRowStretch(zeile + 1, 1);
    raster->setColumnStretch(3, 1);
    raster->setColumnMinimumWidth(1, 320);

    for (QLineEdit* feld : {m_edtName, m_edtVorname, m_edtPasswort}) {
        connect(feld, &QLineEdit::textEdited, this, [this] {
            m_bGeaendert = true;
            emit Bearbeitet();
        });
    }
    connect(test, &QPushButton::clicked, this, &CBenutzerPage::OnTest);
}

QSlider* CBenutzerPage::Regler(int von, int bis, int schritt, const char* name, QLineEdit*& echo) {
    auto* regler = new QSlider(Qt::Horizontal, this);
    regler->setObjectName(QString::fromLatin1(name));
    regler->setRange(von, bis);
    regler->setTickInterval(schritt);
    regler->setTickPosition(QSlider::TicksBelow);
    echo = seitenteile::Feld(this, (std::string(name) + "Echo").c_str());
    echo->setReadOnly(true);
    echo->setMaximumWidth(70);
    connect(regler, &QSlider::valueChanged, this, &CBenutzerPage::OnRegler);
    return regler;
}

void CBenutzerPage::Refresh() {
    const CBenutzer& b = m_daten.GetBenutzer();
    m_edtVorname->setText(QString::fromStdString(b.GetVorname()));
    m_edtName->setText(QString::fromStdString(b.GetNachname()));
    m_edtPasswort->setText(QString::fromStdString(b.GetPasswort()));
    const std::pair<QSlider*, long> werte[] = {{m_sldZeilen, b.GetZeilen()},
                                               {m_sldSpalten, b.GetSpalten()},
                                               {m_sldPitch, b.GetPitch()},
                                               {m_sldSpeed, b.GetSpeed()}};
    for (const auto& [regler, wert] : werte) {
        const QSignalBlocker sperre(regler);
        regler->setValue(static_cast<int>(wert));
    }
    // The echoes show what is stored, also where a slider cannot reach it.
    m_edtZeilen->setText(QString::number(b.GetZeilen()));
    m_edtSpalten->setText(QString::number(b.GetSpalten()));
    m_edtPitch->setText(QString::number(b.GetPitch()));
    m_edtSpeed->setText(QString::number(b.GetSpeed()));
}

void CBenutzerPage::OnRegler() {
    m_edtZeilen->setText(QString::number(m_sldZeilen->value()));
    m_edtSpalten->setText(QString::number(m_sldSpalten->value()));
    m_edtSpeed->setText(QString::number(m_sldSpeed->value()));
    m_edtPitch->setText(QString::number(m_sldPitch->value()));
    m_bGeaendert = true;
    emit Bearbeitet();
}

bool CBenutzerPage::Store() {
    if (!m_bGeaendert) return true;
    CBenutzer& b = m_daten.GetBenutzer();
    b.SetName(m_edtVorname->text().toStdString(), m_edtName->text().toStdString());
    b.SetSpalten(m_sldSpalten->value());
    b.SetZeilen(m_sldZeilen->value());
    b.SetPitch(m_sldPitch->value());
    b.SetSpeed(m_sldSpeed->value());
    b.SetPasswort(m_edtPasswort->text().toStdString());
    m_daten.SetVoice(m_sldSpeed->value(), m_sldPitch->value());
    // Not written (reported by the file): the page stays changed, and the
    // next store tries again.
    if (!m_daten.CommitBenutzer()) return false;
    m_bGeaendert = false;
    return true;
}

void CBenutzerPage::OnTest() {
    m_daten.SetVoice(m_sldSpeed->value(), m_sldPitch->value());
    m_daten.Speak("Dies ist ein Test");
}
