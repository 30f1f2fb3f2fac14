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
#include "SeitenTeile.h"

namespace {

// In the order of CBedienung::Modus.
const char* const kModi[] = {"Maus", "Ein Schalter", "Zwei Schalter", "Verweilen", "Tastatur"};

const char* const kHilfe[] = {
    "Jeder Knopf wird mit der Maus angeklickt.",
    "Die Markierung wandert von selbst über den Bildschirm: erst die Gruppen, dann die Zeilen, "
    "dann die Knöpfe. Die Leertaste, die Eingabetaste oder die rechte Maustaste wählt aus. "
    "Nach dem letzten Eintrag einer Gruppe führt eine Auswahl wieder hinaus.",
    "Die Leertaste bewegt die Markierung weiter, die Eingabetaste oder die rechte Maustaste "
    "wählt aus.",
    "Ein Knopf wird gedrückt, wenn der Zeiger die eingestellte Zeit auf ihm ruht; eine Füllung "
    "zeigt, wie die Zeit läuft. Derselbe Knopf wird erst wieder gedrückt, wenn der Zeiger ihn "
    "verlassen hat.",
    "Die Pfeiltasten bewegen die Markierung über alle Knöpfe, die Eingabetaste oder die "
    "Leertaste drückt den markierten Knopf.",
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
    m_lblHilfe = new QLabel(this);
    m_lblHilfe->setWordWrap(true);

    auto* raster = new QGridLayout(this);
    int zeile = 0;
    seitenteile::Reihe(*raster, zeile, "Bedienung:", m_cmbModus);
    raster->addWidget(m_lblHilfe, zeile++, 1, 1, 2);
    seitenteile::Reihe(*raster, zeile, "Schrittzeit (ein Schalter):", m_sldSchritt, m_lblSchritt);
    seitenteile::Reihe(*raster, zeile, "Verweilzeit:", m_sldVerweil, m_lblVerweil);
    seitenteile::Reihe(*raster, zeile,
                       "Doppelte Drücke zählen einmal innerhalb von:", m_sldEntprell,
                       m_lblEntprell);
    m_chkWortvorhersage = new QCheckBox(
        QString::fromUtf8("Wörter vorschlagen (über der Tastatur und über dem Raster)"), this);
    m_chkWortvorhersage->setObjectName(QStringLiteral("wortvorhersage"));
    raster->addWidget(m_chkWortvorhersage, zeile++, 1, 1, 2);
    connect(m_chkWortvorhersage, &QCheckBox::toggled, this, [this] {
        m_bGeaendert = true;
        emit Bearbeitet();
    });
    raster->setRowStretch(zeile, 1);
    raster->setColumnStretch(3, 1);
    raster->setColumnMinimumWidth(1, 320);

    connect(m_cmbModus, &QComboBox::currentIndexChanged, this, [this] {
        m_bGeaendert = true;
        Anzeigen();
        emit Bearbeitet();
    });
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
                                              {m_sldEntprell, b.entprellzeit}};
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
    m_bGeaendert = false;
    Anzeigen();
}

void CBedienungPage::Anzeigen() {
    const int modus = m_cmbModus->currentIndex();
    m_lblHilfe->setText(QString::fromUtf8(kHilfe[modus < 0 ? 0 : modus]));
    m_lblSchritt->setText(Sekunden(m_sldSchritt->value()));
    m_lblVerweil->setText(Sekunden(m_sldVerweil->value()));
    m_lblEntprell->setText(Sekunden(m_sldEntprell->value()));
    // Only what the mode uses can be set.
    m_sldSchritt->setEnabled(modus == CBedienung::EinSchalter);
    m_sldVerweil->setEnabled(modus == CBedienung::Verweilen);
    m_sldEntprell->setEnabled(modus != CBedienung::Maus && modus != CBedienung::Verweilen);
}

bool CBedienungPage::Store() {
    if (!m_bGeaendert) return true;
    if (!m_daten.CommitBedienung({m_cmbModus->currentIndex(), m_sldSchritt->value(),
                                  m_sldVerweil->value(), m_sldEntprell->value(),
                                  m_chkWortvorhersage->isChecked()})) {
        return false;  // reported by the file; the page stays changed
    }
    m_bGeaendert = false;
    return true;
}
