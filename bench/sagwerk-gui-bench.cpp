// Measures the communication screen as the person uses it: the real main
// window on a 1920 x 1080 screen (offscreen platform), a user file with a
// category of 534 pictured words and a sentence memory of a lifetime.
//
//   sagwerk-gui-bench [--saetze 1000000] [--n 200] [--kalt 50] [--dir DIR]
//                     [--keep 1] [--bilder DIR]
//
// Every figure is the time from the simulated input until the window has
// been repainted (see Neuzeichnen).

#include <sqlite3.h>
#include <unistd.h>

#include <QApplication>
#include <QListView>
#include <QScrollBar>
#include <QTest>
#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <mutex>
#include <random>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "Anordnung.h"
#include "BenchHilfen.h"
#include "BenutzerAnlegen.h"
#include "CBildButton.h"
#include "CBildCache.h"
#include "CBildvorrat.h"
#include "CButtonsView.h"
#include "CDatenbank.h"
#include "CMainFrame.h"
#include "CSagwerkDoc.h"
#include "CSagwerkView.h"
#include "CStummeEngine.h"
#include "CSystemUhr.h"
#include "Ressourcen.h"

namespace fs = std::filesystem;
using bench::Ms;
using bench::RssKb;
using bench::Werte;
using bench::Zahl;
using bench::Uhr;

namespace {

// ------------------------------------------------------------ slow disk

// A VFS in front of the default one whose files sync as slowly as asked:
// the real io methods with xSync replaced. It counts every sync, so the
// figures also say how many syncs an input costs (the folder's sync after a
// journal is deleted is the default VFS's own and neither slowed nor counted).
namespace langsam {
sqlite3_vfs* g_echt = nullptr;
sqlite3_vfs g_huelle;
std::atomic<int> g_verzoegerungMs{0};
std::atomic<long> g_syncs{0};
std::mutex g_sperre;
// The default VFS hands out a few kinds of files: one copy per kind.
std::vector<std::pair<const sqlite3_io_methods*, std::unique_ptr<sqlite3_io_methods>>> g_arten;

const sqlite3_io_methods* Echt(const sqlite3_io_methods* kopie) {
    const std::lock_guard<std::mutex> l(g_sperre);
    for (const auto& [echt, k] : g_arten)
        if (k.get() == kopie) return echt;
    return nullptr;
}

int Sync(sqlite3_file* datei, int flags) {
    ++g_syncs;
    if (const int ms = g_verzoegerungMs) std::this_thread::sleep_for(std::chrono::milliseconds(ms));
    return Echt(datei->pMethods)->xSync(datei, flags);
}

int Oeffnen(sqlite3_vfs*, const char* name, sqlite3_file* datei, int flags, int* aus) {
    const int rc = g_echt->xOpen(g_echt, name, datei, flags, aus);
    if (rc != SQLITE_OK || datei->pMethods == nullptr) return rc;
    const std::lock_guard<std::mutex> l(g_sperre);
    auto it = std::find_if(g_arten.begin(), g_arten.end(),
                           [&](const auto& a) { return a.first == datei->pMethods; });
    if (it == g_arten.end()) {
        auto kopie = std::make_unique<sqlite3_io_methods>(*datei->pMethods);
        kopie->xSync = &Sync;
        g_arten.emplace_back(datei->pMethods, std::move(kopie));
        it = std::prev(g_arten.end());
    }
    datei->pMethods = it->second.get();
    return rc;
}

void Einsetzen() {
    g_echt = sqlite3_vfs_find(nullptr);
    g_huelle = *g_echt;
    g_huelle.zName = "langsamer-sync";
    g_huelle.xOpen = &Oeffnen;
    sqlite3_vfs_register(&g_huelle, 1);
}
}  // namespace langsam

// ------------------------------------------------------------ the user file

constexpr std::size_t kWoerter = 534;
constexpr char kDatei[] = "GuiBench.mdb";

// 60 stems x 9 endings, of which the first 534: captions a grid can show.
std::vector<std::string> Woerter() {
    std::istringstream staemme(
        "Hunger Durst Wasser Tee Kaffee Saft Milch Brot Apfel Suppe Kuchen Eis Musik Film Buch "
        "Zeitung Fenster Tür Licht Bett Stuhl Tisch Garten Haus Auto Bus Zug Arzt Kopf Bauch "
        "Rücken Bein Arm Hand Fuß Decke Jacke Schuhe Mütze Pause Ruhe Hilfe Dusche Bad Zimmer "
        "Küche Radio Brille Wetter Sonne Regen Schnee Wind Oma Opa Abend Telefon Mittag Nacht "
        "Schrank");
    const std::vector<std::string> s{std::istream_iterator<std::string>(staemme), {}};
    std::vector<std::string> w;
    for (const char* e : {"", "tür", "zeit", "tasche", "platz", "stück", "karte", "glas", "bild"})
        for (std::size_t i = 0; i < s.size() && w.size() < kWoerter; ++i) w.push_back(s[i] + e);
    return w;
}

// Writes the user file the way the program would hold it: pictures copied
// into the user's folder and named relatively, with backslashes.
void Erzeugen(const fs::path& dir, const fs::path& bilder, long saetze) {
    bench::Dialoge dialoge;
    CSystemUhr uhr;
    const std::string pfad = (dir / kDatei).string();
    std::string fehler;
    if (!CreateUserDatabase(pfad, "Bench", "Nutzer", fehler)) {
        std::cerr << fehler << '\n';
        std::exit(1);
    }
    // The system icons and the function buttons' pictures, as for a new user.
    if (!CBildvorrat(bilder.parent_path().string()).Kopieren(dir.string(), nullptr, fehler))
        std::cerr << fehler << '\n';
    std::vector<fs::path> svgs;
    for (const auto& e : fs::directory_iterator(bilder))
        if (e.path().extension() == ".svg") svgs.push_back(e.path());
    std::sort(svgs.begin(), svgs.end());
    if (svgs.empty()) {
        std::cerr << "Keine SVG-Bilder in " << bilder << '\n';
        std::exit(1);
    }

    CDatenbank db(pfad, dialoge, uhr);
    const std::vector<std::string> woerter = Woerter();
    const auto element = [&](long kategorie, long art, int pos, const std::string& text,
                             const std::string& form, const std::string& bild) {
        CWortelement e;
        e.SetArt(art);
        e.SetKategorie(kategorie);
        e.SetPosition(pos);
        e.SetAnzeigetext(text);
        e.SetForm(0, form);
        e.SetBild("icons\\openmoji\\" + bild);
        db.SaveWortelement(e, 0);
    };
    db.BeginTransaction();
    CKategorie kategorie;
    kategorie.SetName("Wörter");
    db.SaveKategorie(kategorie, 0);
    const long k = kategorie.GetIndex();
    element(1, CWortelement::Link, 1, "Wörter", "0" + std::to_string(k),
            svgs.front().filename().string());
    // Every word a picture file of its own: a page seen the first time
    // decodes all of its pictures, as a vocabulary of distinct pictures would.
    fs::create_directories(dir / "icons" / "openmoji");
    for (std::size_t i = 0; i < woerter.size(); ++i) {
        const fs::path& quelle = svgs[i % svgs.size()];
        std::string name = quelle.stem().string();
        if (i >= svgs.size()) name += '-' + std::to_string(i / svgs.size() + 1);
        name += ".svg";
        fs::copy_file(quelle, dir / "icons" / "openmoji" / name, fs::copy_options::skip_existing);
        element(k, CWortelement::Wort, int(i) + 1, woerter[i], woerter[i], name);
    }
    if (!db.EndTransaction(true)) std::exit(1);

    // Sentences of a subject, a verb and one to eight of the category's words,
    // its first words the most common (as a carer orders them).
    std::mt19937 zufall(7);
    std::vector<double> gewicht;
    for (std::size_t i = 0; i < woerter.size(); ++i) gewicht.push_back(1.0 / double(i + 1));
    std::discrete_distribution<std::size_t> zipf(gewicht.begin(), gewicht.end());
    const char* subjekte[] = {"ich", "du", "wir", "Mama", "Papa", "er", "sie"};
    const char* verben[] = {"möchte", "habe", "brauche", "sehe", "mag", "will", "hole"};
    for (long long da = 0; da < saetze; da = db.CountSentences()) {
        std::vector<std::pair<std::string, std::string>> stapel;
        for (long i = 0; i < std::min<long long>(saetze - da, 20000); ++i) {
            std::string s = std::string(subjekte[zufall() % 7]) + " " + verben[zufall() % 7] + " ";
            for (int w = 1 + int(zufall() % 8); w > 0; --w) s += woerter[zipf(zufall)] + " ";
            stapel.emplace_back(s, s);
        }
        if (!db.StoreSentences(stapel)) std::exit(1);
    }
}

fs::path BilderSuchen(const char* argv0) {
    // Beside a build inside the checkout the checkout's pictures are found
    // upwards from the program; else those the program was built with.
    for (fs::path p = fs::absolute(argv0).parent_path(); p.has_relative_path(); p = p.parent_path())
        if (fs::is_directory(p / "res" / "openmoji")) return p / "res" / "openmoji";
    return fs::path(RessourcenVerzeichnis()) / "openmoji";
}

// ------------------------------------------------------------ figures


void Zeile(const std::string& aktion, const std::string& raster, const Werte& w,
           const std::string& mehr = "") {
    std::cout << "gui action=" << aktion << " grid=" << raster
              << " median_ms=" << Zahl(w.Quantil(0.5), 2) << " p95_ms=" << Zahl(w.Quantil(0.95), 2)
              << " max_ms=" << Zahl(w.Max(), 2) << " n=" << w.ms.size() << mehr << std::endl;
}

// ------------------------------------------------------------ driving the window

// "Until the window has been repainted": processEvents() runs what the input
// posted (the list's delayed layout, update requests, queued news), then
// repaint() paints the whole window synchronously into its backing store.
// Every figure so includes layout and a full paint of the 1920 x 1080 window;
// action=leerlauf is that repaint alone (no input), with the category shown.
void Neuzeichnen(QWidget& fenster) {
    QCoreApplication::processEvents();
    fenster.repaint();
}

struct Lauf {
    CSagwerkDoc& doc;
    CMainFrame& frame;
    CButtonsView& raster;
    int n;
    int kalt;

    template <class F>
    double Mal(F&& eingabe) {
        const auto t = Uhr::now();
        eingabe();
        Neuzeichnen(frame);
        return Ms(Uhr::now() - t);
    }
    void Klick(QWidget* knopf) { QTest::mouseClick(knopf, Qt::LeftButton); }
    void Ungemessen(int position) {
        doc.ElementClicked(position);
        Neuzeichnen(frame);
    }
    bool WeitereSeite() const {
        return anordnung::Seite(raster.GetButtonCount(), doc.GetElementCount(), raster.GetPage())
            .naechsteSeite;
    }
    // From the start page into the category, on its first page.
    void Hinein() {
        Ungemessen(CSagwerkDoc::kStartseite);
        Klick(raster.GetButton(2));
        Neuzeichnen(frame);
    }
};

void RasterSetzen(Lauf& l, int spalten, int zeilen) {
    // As the editor's user page commits it.
    CBenutzer* b = l.doc.GetUser();
    b->SetSpalten(spalten);
    b->SetZeilen(zeilen);
    l.doc.GetDatabase()->SaveBenutzer(*b);
    l.doc.SetUserChanged(true);
    l.doc.UpdateAllViews();
    l.Ungemessen(CSagwerkDoc::kStartseite);
}

void SeitenMessen(Lauf& l, const std::string& name) {
    const auto weiter = [&] { l.Klick(l.raster.GetButton(l.raster.GetButtonCount() - 1)); };
    CBildCache& cache = CBildCache::Instanz();
    const auto wartend = [&] {
        int n = 0;
        for (int k = 0; k < l.raster.GetButtonCount(); ++k)
            n += l.raster.GetButton(k)->IsPictureWaiting();
        return n;
    };
    // Cold: every picture forgotten before each turn (nothing decoded
    // ahead either), the turn timed to its frame, then to the frame that
    // shows the last of the page's pictures.
    Werte kalt, bilder;
    long nachgereicht = 0;
    while (static_cast<int>(kalt.ms.size()) < l.kalt) {
        l.Hinein();
        while (l.WeitereSeite() && static_cast<int>(kalt.ms.size()) < l.kalt) {
            cache.WartenAufAlle();
            cache.Leeren();
            // What the window shows besides the new page was drawn before
            // (the style keeps pieces in the same pixmap cache).
            Neuzeichnen(l.frame);
            const auto t = Uhr::now();
            kalt.ms.push_back(l.Mal(weiter));
            nachgereicht += wartend();
            while (wartend() > 0) QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
            Neuzeichnen(l.frame);
            bilder.ms.push_back(Ms(Uhr::now() - t));
        }
    }
    Zeile("seite_kalt", name, kalt,
          " bilder_nachgereicht_je_seite=" + Zahl(double(nachgereicht) / double(kalt.ms.size()), 0));
    Zeile("seite_kalt_alle_bilder", name, bilder);

    // First visits as a user makes them, looking at each page for a moment
    // before turning it: the next page was decoded and drawn meanwhile.
    Werte vorgeladen;
    while (static_cast<int>(vorgeladen.ms.size()) < l.kalt) {
        cache.WartenAufAlle();
        cache.Leeren();
        l.Hinein();
        while (l.WeitereSeite() && static_cast<int>(vorgeladen.ms.size()) < l.kalt) {
            // Until the pages beside are decoded and drawn ahead.
            while (l.raster.GetVorzeichnenOffen() > 0) {
                cache.WartenAufAlle();
                QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
            }
            vorgeladen.ms.push_back(l.Mal(weiter));
        }
    }
    Zeile("seite_erstbesuch_vorgeladen", name, vorgeladen);

    // Warm: every page seen; from the last page back to the first and on.
    l.Hinein();
    while (l.WeitereSeite()) weiter();
    const int seiten = l.raster.GetPage() + 1;
    Werte warm;
    for (int i = 0, richtung = -1; i < l.n; ++i) {
        if (l.raster.GetPage() == 0) richtung = 1;
        if (!l.WeitereSeite()) richtung = -1;
        CBildButton* knopf = l.raster.GetButton(richtung > 0 ? l.raster.GetButtonCount() - 1 : 0);
        warm.ms.push_back(l.Mal([&] { l.Klick(knopf); }));
    }
    Zeile("seite_warm", name, warm, " seiten=" + std::to_string(seiten));
}

void RasterMessen(Lauf& l, const std::string& name) {
    // The repaint alone, of the category's first page.
    l.Hinein();
    Werte leer;
    for (int i = 0; i < l.n; ++i) leer.ms.push_back(l.Mal([] {}));
    Zeile("leerlauf", name, leer);

    // Into the category by its link on the start page, back by "letzte Kategorie".
    Werte hinein, zurueck;
    l.Hinein();
    l.Klick(l.raster.GetButton(1));
    for (int i = 0; i < l.n / 2; ++i) {
        hinein.ms.push_back(l.Mal([&] { l.Klick(l.raster.GetButton(2)); }));
        if (l.doc.GetElementCount() != int(kWoerter)) std::cerr << "Kategorie nicht geöffnet\n";
        zurueck.ms.push_back(l.Mal([&] { l.Klick(l.raster.GetButton(1)); }));
    }
    Zeile("kategorie_hinein", name, hinein, " elemente=" + std::to_string(kWoerter));
    Zeile("kategorie_zurueck", name, zurueck);

    // Words of the first page; after five words the sentence is cleared.
    const auto woerter = [&](int n, const std::string& aktion) {
        l.Hinein();
        const int m = l.raster.GetButtonCount() - 3;
        Werte w;
        int mitVorschlag = 0;
        const long syncs = langsam::g_syncs;
        for (int i = 0; i < n; ++i) {
            w.ms.push_back(l.Mal([&] { l.Klick(l.raster.GetButton(2 + (i * 7) % m)); }));
            mitVorschlag += !l.doc.GetSuggestions().empty();
            if (i % 5 == 4) {
                l.doc.FunctionCode(91);
                Neuzeichnen(l.frame);
            }
        }
        l.doc.FunctionCode(91);
        Zeile(aktion, name, w,
              " syncs_je_klick=" + Zahl(double(langsam::g_syncs - syncs) / n, 1) +
                  " mit_vorschlaegen=" + std::to_string(mitVorschlag));
    };
    woerter(l.n, "wortklick");
    langsam::g_verzoegerungMs = 20;
    woerter(std::max(l.n / 4, 1), "wortklick_sync20ms");
    langsam::g_verzoegerungMs = 0;

    SeitenMessen(l, name);
    l.Ungemessen(CSagwerkDoc::kStartseite);
}

void SatzlisteMessen(Lauf& l, CSagwerkView& view, const std::string& name) {
    CBildButton* satzliste = view.GetFunctionButton(93);
    QListView* liste = view.GetSuggestionList();
    Werte auf, zu;
    for (int i = 0; i < l.n / 4; ++i) {
        auf.ms.push_back(l.Mal([&] { l.Klick(satzliste); }));
        zu.ms.push_back(l.Mal([&] { l.Klick(satzliste); }));
    }
    Zeile("satzliste_auf", name, auf);
    Zeile("satzliste_zu", name, zu);

    // Scrolled to the end of what is loaded, the list fetches the next 200
    // sentences: one step. Steps go on to the end of the memory.
    l.Klick(satzliste);
    Neuzeichnen(l.frame);
    QScrollBar* leiste = liste->verticalScrollBar();
    const long rss = RssKb();
    const auto t0 = Uhr::now();
    std::vector<double> schritte;
    for (int fehlschlaege = 0; l.doc.HasMoreHistory() && fehlschlaege < 3;) {
        // The end of the rows held, counted from the start of the memory.
        const auto ende = [&] { return l.doc.GetHistoryOffset() + liste->model()->rowCount(); };
        const long long vorher = ende();
        const double ms = l.Mal([&] { leiste->setValue(leiste->maximum()); });
        if (ende() == vorher) {
            ++fehlschlaege;  // the scroll bar did not know the last rows yet
            continue;
        }
        schritte.push_back(ms);
    }
    const double gesamtS = Ms(Uhr::now() - t0) / 1000;
    const long long zeilen = l.doc.GetHistoryOffset() + liste->model()->rowCount();
    const std::size_t k = std::min<std::size_t>(200, schritte.size());
    Zeile("satzliste_schritt_anfang", name,
          Werte{std::vector<double>(schritte.begin(), schritte.begin() + long(k))},
          " zeilen_bis=" + std::to_string((k + 1) * CSagwerkDoc::kHistorySeite));
    Zeile("satzliste_schritt_tief", name,
          Werte{std::vector<double>(schritte.end() - long(k), schritte.end())},
          " zeilen_bis=" + std::to_string(zeilen) +
              " zeilen_gehalten=" + std::to_string(liste->model()->rowCount()) +
              " gesamt_s=" + Zahl(gesamtS, 1) +
              " rss_zuwachs_mb=" + Zahl(double(RssKb() - rss) / 1024, 1));
    Zeile("satzliste_zu_tief", name, Werte{{l.Mal([&] { l.Klick(satzliste); })}},
          " zeilen=" + std::to_string(zeilen));
}

std::string Prozessor() {
    std::ifstream f("/proc/cpuinfo");
    for (std::string zeile; std::getline(f, zeile);)
        if (zeile.rfind("model name", 0) == 0) return zeile.substr(zeile.find(':') + 2);
    return "?";
}

}  // namespace

int main(int argc, char** argv) {
    long saetze = 1000000;
    int n = 200, kalt = 50;
    bool behalten = false;
    fs::path dir = fs::temp_directory_path() / "sagwerk-gui-bench";
    fs::path bilder;
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string a = argv[i], v = argv[i + 1];
        if (a == "--saetze") {
            saetze = std::stol(v);
        } else if (a == "--n") {
            n = std::max(std::stoi(v), 4);
        } else if (a == "--kalt") {
            kalt = std::max(std::stoi(v), 1);
        } else if (a == "--keep") {
            behalten = v == "1";  // keep the user file for the next run
        } else if (a == "--dir") {
            dir = v;
        } else if (a == "--bilder") {
            bilder = v;
        } else {
            std::cerr << "Aufruf: sagwerk-gui-bench [--saetze N] [--n N] [--kalt N] "
                         "[--dir VERZEICHNIS] [--keep 1] [--bilder OPENMOJI-VERZEICHNIS]\n";
            return 2;
        }
    }
    dir = fs::absolute(dir);
    bilder = fs::absolute(bilder.empty() ? BilderSuchen(argv[0]) : bilder);
    fs::create_directories(dir);
    langsam::Einsetzen();

    if (!behalten || !fs::exists(dir / kDatei)) {
        fs::remove(dir / kDatei);
        const auto t = Uhr::now();
        Erzeugen(dir, bilder, saetze);
        std::cout << "gui erzeugt saetze=" << saetze << " s=" << Zahl(Ms(Uhr::now() - t) / 1000, 1)
                  << std::endl;
    }

    // The screen the window fills: 1920 x 1080.
    if (std::getenv("QT_QPA_PLATFORM") == nullptr) {
        const fs::path schirm = dir / "schirm.json";
        std::ofstream(schirm) << R"({"screens":[{"name":"s","width":1920,"height":1080}]})";
        setenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + schirm.string()).c_str(), 1);
    }
    {
        // The program runs in the user's folder: pictures resolve against it.
        const fs::path vorher = fs::current_path();
        fs::current_path(dir);
        int qtArgc = 1;
        QApplication app(qtArgc, argv);
        bench::Dialoge dialoge;
        CSystemUhr uhr;
        CSagwerkDoc doc(dialoge, uhr, std::make_unique<CStummeEngine>());
        CBildCache::Instanz().SetImHintergrund(true);
        doc.SetNachreicher([](std::function<void()> aufgabe) {
            QMetaObject::invokeMethod(QCoreApplication::instance(), std::move(aufgabe),
                                      Qt::QueuedConnection);
        });
        const QRect desktop(0, 0, 1920, 1080);
        CMainFrame frame(doc, desktop);
        const auto t = Uhr::now();
        if (!doc.OpenUser(kDatei)) return 1;
        frame.Zeigen(desktop);
        if (!QTest::qWaitForWindowExposed(&frame)) return 1;
        frame.GetCommView()->OnInitialUpdate();
        Neuzeichnen(frame);
        const double bereitMs = Ms(Uhr::now() - t);
        // Until the file's check has passed nothing is written (no use
        // counts): measured is the program after it.
        doc.GetDatabase()->WaitForSentenceIndex();
        const double indexS = Ms(Uhr::now() - t) / 1000;
        doc.GetDatabase()->WaitForCheck();
        const double pruefungS = Ms(Uhr::now() - t) / 1000;
        QCoreApplication::processEvents();
        std::cout << "gui saetze=" << doc.GetDatabase()->CountSentences()
                  << " datei_mb=" << Zahl(double(fs::file_size(kDatei)) / 1048576.0, 1)
                  << " fenster=" << frame.width() << "x" << frame.height()
                  << " bereit_ms=" << Zahl(bereitMs, 2) << " index_s=" << Zahl(indexS, 1)
                  << " pruefung_s=" << Zahl(pruefungS, 1) << std::endl;

        Lauf lauf{doc, frame, *frame.GetCommView()->GetButtonsView(), n, kalt};
        for (const auto& [spalten, zeilen] : {std::pair{20, 10}, std::pair{6, 4}}) {
            RasterSetzen(lauf, spalten, zeilen);
            RasterMessen(lauf, std::to_string(spalten) + "x" + std::to_string(zeilen));
        }
        SatzlisteMessen(lauf, *frame.GetCommView(), "6x4");
        frame.close();
        fs::current_path(vorher);
    }
    std::cout << "maschine nproc=" << sysconf(_SC_NPROCESSORS_ONLN) << " cpu=\"" << Prozessor()
              << "\"" << std::endl;
    if (behalten) return 0;
    // Only what this program put there goes; the folder only when empty then.
    for (const char* name : {kDatei, "icons", "schirm.json"}) fs::remove_all(dir / name);
    std::error_code leer;
    fs::remove(dir, leer);
    return 0;
}
