#include "CBedienungPage.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLocale>
#include <QSignalBlocker>
#include <QSlider>

#include "CBedienung.h"
#include "CEditorDaten.h"
#include "CTastenWahl.h"
#include "SeitenTeile.h"

namespace {

// In the order of CBedienung::Modus.
const char* const kModi[] = {"Maus",      "Ein Schalter", "Zwei Schalter",
                             "Verweilen", "Tastatur",     "Inverses Scannen"};

const char* const kHilfe[] = {
    "Jeder Knopf wird mit der Maus angeklickt.",
    "Die Markierung wandert von selbst über den Bildschirm: erst die Gruppen, dann die Zeilen, "
    "dann die Knöpfe. Schalter 1, Schalter 2 oder die rechte Maustaste wählt aus. "
    "Nach dem letzten Eintrag einer Gruppe führt eine Auswahl wieder hinaus.",
    "Schalter 1 bewegt die Markierung weiter, Schalter 2 oder die rechte Maustaste wählt aus.",
    "Ein Knopf wird gedrückt, wenn der Zeiger die eingestellte Zeit auf ihm ruht; eine Füllung "
    "zeigt, wie die Zeit läuft. Derselbe Knopf wird erst wieder gedrückt, wenn der Zeiger ihn "
    "verlassen hat.",
    "Die Pfeiltasten bewegen die Markierung über alle Knöpfe, die Eingabetaste oder die "
    "Leertaste drückt den markierten Knopf.",
    "Solange ein Schalter gedrückt bleibt, wandert die Markierung; beim Loslassen wird "
    "ausgewählt, was sie hält. Ein kurzer Druck wählt, was gerade markiert ist.",
};

QString Sekunden(int ms) {
    return QLocale(QLocale::German).toString(ms / 1000.0, 'f', 1) + QStringLiteral(" s");
}

}  // namespace

CBedienungPage::CBedienungPage(CEditorDaten& daten, IDialoge& dialoge,
                               IEditorDialoge& editorDialoge, QWidget* parent)
    : CEditorSeite(daten, dialoge, editorDialoge, parent) {
    m_cmbModus = new QComboBox(this);
    m_cmbModus->setObjectName(QStringLiteral("modus"));
    for (const char* modus : kModi) m_cmbModus->addItem(QString::fromUtf8(modus));
    m_sldSchritt =
        Regler(CBedienung::kSchrittMin, CBedienung::kSchrittMax, "schrittzeit", m_lblSchritt);
    m_sldVerweil =
        Regler(CBedienung::kVerweilMin, CBedienung::kVerweilMax, "verweilzeit", m_lblVerweil);
    m_sldEntprell =
        Regler(CBedienung::kEntprellMin, CBedienung::kEntprellMax, "entprellzeit", m_lblEntprell);
    m_sldAnnahme =
        Regler(CBedienung::kAnnahmeMin, CBedienung::kAnnahmeMax, "annahmezeit", m_lblAnnahme);
    m_sldErst = Regler(CBedienung::kErstMin, CBedienung::kErstMax, "erstzeit", m_lblErst);
    m_cmbWeiter = new QComboBox(this);
    m_cmbWeiter->setObjectName(QStringLiteral("weiter"));
    // In the order of CBedienung::Weiter.
    m_cmbWeiter->addItem(QStringLiteral("Anfang (zuerst die Wortvorschläge)"));
    m_cmbWeiter->addItem(QStringLiteral("derselben Gruppe"));
    m_chkAnsage = new QCheckBox(
        QStringLiteral("Markiertes mit leiser, hellerer Stimme ansagen (hörbares Scannen)"), this);
    m_chkAnsage->setObjectName(QStringLiteral("ansage"));
    m_pSchalter1 = new CTastenWahl(false, this);
    m_pSchalter1->setObjectName(QStringLiteral("schalter1"));
    m_pSchalter2 = new CTastenWahl(true, this);
    m_pSchalter2->setObjectName(QStringLiteral("schalter2"));
    m_lblHilfe = new QLabel(this);
    m_lblHilfe->setWordWrap(true);

    auto* raster = new QGridLayout(this);
    int zeile = 0;
    seitenteile::Reihe(*raster, zeile, "Bedienung:", m_cmbModus);
    raster->addWidget(m_lblHilfe, zeile++, 1, 1, 2);
    seitenteile::Reihe(*raster, zeile, "Schrittzeit (ein Schalter, invers):", m_sldSchritt, m_lblSchritt);
    seitenteile::Reihe(*raster, zeile, "Verweilzeit:", m_sldVerweil, m_lblVerweil);
    seitenteile::Reihe(*raster, zeile,
                       "Nach dem Loslassen zählt ein Schalter wieder nach:", m_sldEntprell,
                       m_lblEntprell);
    seitenteile::Reihe(*raster, zeile, "Ein Druck zählt erst, wenn er so lange hält:",
                       m_sldAnnahme, m_lblAnnahme);
    seitenteile::Reihe(*raster, zeile, "Länger auf dem ersten Eintrag:", m_sldErst, m_lblErst);
    seitenteile::Reihe(*raster, zeile, "Nach der Auswahl weiter bei:", m_cmbWeiter);
    seitenteile::Reihe(*raster, zeile, "Schalter 1 (Taste drücken):", m_pSchalter1);
    seitenteile::Reihe(*raster, zeile, "Schalter 2 (Entf: keiner):", m_pSchalter2);
    raster->addWidget(m_chkAnsage, zeile++, 1, 1, 2);
    connect(m_chkAnsage, &QCheckBox::toggled, this, &CBedienungPage::Geaendert);
    connect(m_cmbWeiter, &QComboBox::currentIndexChanged, this, &CBedienungPage::Geaendert);
    for (CTastenWahl* wahl : {m_pSchalter1, m_pSchalter2})
        connect(wahl, &CTastenWahl::Gewaehlt, this, &CBedienungPage::Geaendert);
    m_chkWortvorhersage = new QCheckBox(
        QString::fromUtf8("Wörter vorschlagen (über der Tastatur und über dem Raster)"), this);
    m_chkWortvorhersage->setObjectName(QStringLiteral("wortvorhersage"));
    raster->addWidget(m_chkWortvorhersage, zeile++, 1, 1, 2);
    connect(m_chkWortvorhersage, &QCheckBox::toggled, this, &CBedienungPage::Geaendert);
    raster->setRowStretch(zeile, 1);
    raster->setColumnStretch(3, 1);
    raster->setColumnMinimumWidth(1, 320);

    connect(m_cmbModus, &QComboBox::currentIndexChanged, this, [this] {
        m_bGeaendert = true;
        Anzeigen();
        emit Bearbeitet();
    });
}

void CBedienungPage::Geaendert() {
    m_bGeaendert = true;
    Anzeigen();
    emit Bearbeitet();
}

QSlider* CBedienungPage::Regler(int von, int bis, const char* name, QLabel*& echo) {
    auto* regler = new QSlider(Qt::Horizontal, this);
    regler->setObjectName(QString::fromLatin1(name));
    regler->setRange(von, bis);
    regler->setSingleStep(100);
    regler->setPageStep(500);
    regler->setTickInterval(500);
    regler->setTickPosition(QSlider::TicksBelow);
    echo = new QLabel(this);
    echo->setObjectName(QString::fromLatin1(name) + QStringLiteral("Echo"));
    echo->setMinimumWidth(70);
    connect(regler, &QSlider::valueChanged, this, [this] {
        m_bGeaendert = true;
        Anzeigen();
        emit Bearbeitet();
    });
    return regler;
}

void CBedienungPage::Refresh() {
    const CBedienung b = m_daten.GetBedienung();
    const std::pair<QSlider*, int> werte[] = {{m_sldSchritt, b.schrittzeit},
                                              {m_sldVerweil, b.verweilzeit},
                                              {m_sldEntprell, b.entprellzeit},
                                              {m_sldAnnahme, b.annahmezeit},
                                              {m_sldErst, b.erstzeit}};
    for (const auto& [regler, wert] : werte) {
        const QSignalBlocker sperre(regler);
        regler->setValue(wert);
    }
    {
        const QSignalBlocker sperre(m_cmbModus);
        m_cmbModus->setCurrentIndex(b.modus);
    }
    {
        const QSignalBlocker sperre(m_chkWortvorhersage);
        m_chkWortvorhersage->setChecked(b.wortvorhersage);
    }
    {
        const QSignalBlocker sperre(m_chkAnsage);
        m_chkAnsage->setChecked(b.ansage);
    }
    {
        const QSignalBlocker sperre(m_cmbWeiter);
        m_cmbWeiter->setCurrentIndex(b.weiter);
    }
    m_pSchalter1->SetTaste(b.schalter1);
    m_pSchalter2->SetTaste(b.schalter2);
    m_bGeaendert = false;
    Anzeigen();
}

void CBedienungPage::Anzeigen() {
    const int modus = m_cmbModus->currentIndex();
    m_lblHilfe->setText(QString::fromUtf8(kHilfe[modus < 0 ? 0 : modus]));
    m_lblSchritt->setText(Sekunden(m_sldSchritt->value()));
    m_lblVerweil->setText(Sekunden(m_sldVerweil->value()));
    m_lblEntprell->setText(Sekunden(m_sldEntprell->value()));
    m_lblAnnahme->setText(Sekunden(m_sldAnnahme->value()));
    m_lblErst->setText(Sekunden(m_sldErst->value()));
    // Only what the mode uses can be set.
    const bool scannen = modus == CBedienung::EinSchalter || modus == CBedienung::ZweiSchalter ||
                         modus == CBedienung::Invers;
    const bool schalter = modus != CBedienung::Maus && modus != CBedienung::Verweilen;
    m_sldSchritt->setEnabled(modus == CBedienung::EinSchalter || modus == CBedienung::Invers);
    m_sldVerweil->setEnabled(modus == CBedienung::Verweilen);
    m_sldEntprell->setEnabled(schalter);
    m_sldAnnahme->setEnabled(schalter);
    m_sldErst->setEnabled(modus == CBedienung::EinSchalter || modus == CBedienung::Invers);
    m_cmbWeiter->setEnabled(scannen);
    m_chkAnsage->setEnabled(scannen);
    m_pSchalter1->setEnabled(scannen);
    m_pSchalter2->setEnabled(scannen);
}

bool CBedienungPage::Store() {
    if (!m_bGeaendert) return true;
    CBedienung b;
    b.modus = m_cmbModus->currentIndex();
    b.schrittzeit = m_sldSchritt->value();
    b.verweilzeit = m_sldVerweil->value();
    b.entprellzeit = m_sldEntprell->value();
    b.wortvorhersage = m_chkWortvorhersage->isChecked();
    b.annahmezeit = m_sldAnnahme->value();
    b.erstzeit = m_sldErst->value();
    b.weiter = m_cmbWeiter->currentIndex();
    b.ansage = m_chkAnsage->isChecked();
    b.schalter1 = m_pSchalter1->GetTaste();
    b.schalter2 = m_pSchalter2->GetTaste();
    if (!m_daten.CommitBedienung(b)) {
        return false;  // reported by the file; the page stays changed
    }
    m_bGeaendert = false;
    return true;
}
