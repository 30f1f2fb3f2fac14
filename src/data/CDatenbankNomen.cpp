// The data store: the noun forms of the word elements (table Nomen, from
// version 5 of the file on). A file not brought up (write-protected, or
// opened while another program held it) has no such table: its elements
// are read as plain words, as an older program reads them.

#include <SQLiteCpp/SQLiteCpp.h>

#include "CDatenbank.h"
#include "DatenbankIntern.h"

using spalten::GetFieldText;

namespace {
constexpr int kNomenAb = 5;
}

std::string CDatenbank::ElementAbfrage(const char* wo) const {
    if (m_nSchema < kNomenAb) return std::string("select * from Wortelement where ") + wo;
    std::string sql = "select Wortelement.*, Nomen.Geschlecht as N_Geschlecht";
    for (int slot = 0; slot < CNomen::kFormen; ++slot) {
        const std::string spalte = CNomen::SpaltenName(slot);
        sql += ", Nomen." + spalte + " as N_" + spalte;
    }
    sql += " from Wortelement left join Nomen on Nomen.Element = Wortelement.[Index] where ";
    return sql + wo;
}

void CDatenbank::NomenLesen(SQLite::Statement& q, CWortelement& element) const {
    CNomen nomen;
    if (m_nSchema >= kNomenAb) {
        nomen.SetGeschlecht(CNomen::AusKuerzel(GetFieldText(q, "N_Geschlecht")));
        for (int slot = 0; slot < CNomen::kFormen; ++slot) {
            const std::string spalte = std::string("N_") + CNomen::SpaltenName(slot);
            nomen.SetForm(slot, GetFieldText(q, spalte.c_str()));
        }
    }
    element.SetNomen(nomen);
}

void CDatenbank::NomenSpeichern(const CWortelement& element, long index) {
    if (m_nSchema < kNomenAb) return;
    const CNomen& nomen = element.GetNomen();
    if (!nomen.IstNomen() || element.GetArt() != CWortelement::Wort) {
        NomenLoeschen(index);
        return;
    }
    SQLite::Statement& q =
        Anweisung("insert or replace into Nomen (Element, Geschlecht, NomE, AkkE, DatE, GenE, "
                  "NomM, AkkM, DatM, GenM) values (?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");
    const CZuruecksetzen zurueck(q);
    q.bind(1, static_cast<std::int64_t>(index));
    q.bind(2, CNomen::Kuerzel(nomen.GetGeschlecht()));
    for (int slot = 0; slot < CNomen::kFormen; ++slot) q.bind(3 + slot, nomen.GetForm(slot));
    q.exec();
}

void CDatenbank::NomenLoeschen(long index) {
    if (m_nSchema < kNomenAb) return;
    SQLite::Statement& q = Anweisung("delete from Nomen where Element = ?");
    const CZuruecksetzen zurueck(q);
    q.bind(1, static_cast<std::int64_t>(index));
    q.exec();
}
