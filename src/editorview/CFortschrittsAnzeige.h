#pragma once

#include "IFortschritt.h"

class QProgressDialog;
class QWidget;

// The progress of a long editor operation on the screen: a small window
// with the step ("Kategorie 3 von 300: Essen") and a bar, shown at once and
// gone with the last step. It offers no cancel: an ordering that is half
// done is worse than one that takes a moment.
class CFortschrittsAnzeige : public IFortschritt {
public:
    explicit CFortschrittsAnzeige(QWidget* parent);
    ~CFortschrittsAnzeige() override;
    CFortschrittsAnzeige(const CFortschrittsAnzeige&) = delete;
    CFortschrittsAnzeige& operator=(const CFortschrittsAnzeige&) = delete;

    void Fortschritt(std::size_t erledigt, std::size_t gesamt, const std::string& text) override;

private:
    QProgressDialog* m_pDialog;
};
