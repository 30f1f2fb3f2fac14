#include "CSprachausgabe.h"

#include "CStummeEngine.h"

CSprachausgabe::CSprachausgabe(const std::string& /*verzeichnis*/, int speed, int pitch,
                               std::unique_ptr<ISprachEngine> engine)
    : m_pEngine(engine ? std::move(engine) : std::make_unique<CStummeEngine>()) {
    SetSpeed(speed);
    SetPitch(pitch);
}

CSprachausgabe::~CSprachausgabe() {
    // The program ends or the document goes: nothing should go on talking.
    m_pEngine->Anhalten();
}

bool CSprachausgabe::Speak(const std::string& text, bool eigeneAussprachen) {
    if (text.empty()) return false;
    // The callers do not look at the result; the contract reports only
    // whether there was anything to say.
    m_pEngine->Sprechen(eigeneAussprachen ? Gesprochen(text) : m_ohneAussprachen.Normalisieren(text),
                        m_nSpeed, m_nPitch);
    return true;
}

std::string CSprachausgabe::Gesprochen(const std::string& text) const {
    return m_normalisierer.Normalisieren(text);
}

void CSprachausgabe::SetAussprachen(const std::vector<std::pair<std::string, std::string>>& paare) {
    m_normalisierer.SetAussprachen(paare);
}

int CSprachausgabe::SetSpeed(int speed) {
    const int alt = m_nSpeed;
    if (speed != 0) m_nSpeed = speed;
    return alt;
}

int CSprachausgabe::SetPitch(int pitch) {
    const int alt = m_nPitch;
    if (pitch != 0) m_nPitch = pitch;
    return alt;
}
