#include "CQtDialoge.h"

#include <QApplication>
#include <QMessageBox>
#include <utility>

void CQtDialoge::ReportError(const std::string& text) {
    ShowMessage(text, "Fehler", Symbol::Fehler, Knoepfe::Ok);
}

void CQtDialoge::Hinweis(const std::string& text) {
    const QString hinweis = QString::fromStdString(text);
    if (m_hinweisZiel) {
        m_hinweisZiel(hinweis);
    } else {
        m_wartend << hinweis;
    }
}

void CQtDialoge::SetHinweisZiel(std::function<void(const QString&)> ziel) {
    m_hinweisZiel = std::move(ziel);
    if (!m_hinweisZiel) return;
    for (const QString& h : std::exchange(m_wartend, {})) m_hinweisZiel(h);
}

IDialoge::Antwort CQtDialoge::ShowMessage(const std::string& text, const std::string& caption,
                                          Symbol symbol, Knoepfe knoepfe) {
    QMessageBox box(m_pParent);
    box.setWindowTitle(QString::fromStdString(caption));
    box.setText(QString::fromStdString(text));
    switch (symbol) {
        case Symbol::Information:
            box.setIcon(QMessageBox::Information);
            break;
        case Symbol::Warnung:
            box.setIcon(QMessageBox::Warning);
            break;
        case Symbol::Frage:
            box.setIcon(QMessageBox::Question);
            break;
        case Symbol::Fehler:
            box.setIcon(QMessageBox::Critical);
            break;
    }
    switch (knoepfe) {
        case Knoepfe::Ok:
            box.setStandardButtons(QMessageBox::Ok);
            break;
        case Knoepfe::JaNein:
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
            // A question that deletes or replaces: a stray Enter keeps all.
            box.setDefaultButton(QMessageBox::No);
            break;
        case Knoepfe::JaNeinAbbrechen:
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
            break;
    }
    // A wait cursor must not hide the arrow the user needs to answer.
    const bool wartend = QApplication::overrideCursor() != nullptr;
    if (wartend) QApplication::setOverrideCursor(Qt::ArrowCursor);
    const int antwort = box.exec();
    if (wartend) QApplication::restoreOverrideCursor();
    switch (antwort) {
        case QMessageBox::Yes:
            return Antwort::Ja;
        case QMessageBox::No:
            return Antwort::Nein;
        case QMessageBox::Cancel:
            return Antwort::Abbrechen;
        default:
            // Closing the box is no answer; it counts as the safe one.
            return knoepfe == Knoepfe::Ok       ? Antwort::Ok
                   : knoepfe == Knoepfe::JaNein ? Antwort::Nein
                                                : Antwort::Abbrechen;
    }
}

void CQtDialoge::BeginWait() { QApplication::setOverrideCursor(Qt::WaitCursor); }

void CQtDialoge::EndWait() { QApplication::restoreOverrideCursor(); }
