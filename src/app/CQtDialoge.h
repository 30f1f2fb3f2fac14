#pragma once

#include <QString>
#include <QStringList>
#include <functional>

#include "IDialoge.h"

class QWidget;

// The dialogs seam on the screen: German message boxes (QMessageBox, whose
// standard buttons read "Ja", "Nein", "Abbrechen" once Qt's German
// translation is loaded) and the override wait cursor.
//
// The parent window is not owned; it may be null (boxes are then centred on
// the screen) and may be set later.
class CQtDialoge : public IDialoge {
public:
    explicit CQtDialoge(QWidget* parent = nullptr) : m_pParent(parent) {}
    void SetParent(QWidget* parent) { m_pParent = parent; }

    void ReportError(const std::string& text) override;
    // Hands the notice to the main window's notice line; notices that come
    // before there is one (the sound check runs before the window exists)
    // wait and are handed over when it is set.
    void Hinweis(const std::string& text) override;
    void SetHinweisZiel(std::function<void(const QString&)> ziel);
    Antwort ShowMessage(const std::string& text, const std::string& caption, Symbol symbol,
                        Knoepfe knoepfe = Knoepfe::Ok) override;
    void BeginWait() override;
    void EndWait() override;

private:
    QWidget* m_pParent;
    std::function<void(const QString&)> m_hinweisZiel;
    QStringList m_wartend;
};
