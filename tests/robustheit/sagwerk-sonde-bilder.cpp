// Broken pictures on the buttons: sagwerk-sonde-bilder --anzahl N
//   [--bilder ORDNER] [--saat S] [--funde ORDNER] [--frist MS] [--laut]
//
// Seeds are a few of the program's drawings (ORDNER, by default
// res/openmoji below the current folder) and pictures of every kind a
// button shows, made here. Each case breaks one of them (BildMutation.h) or
// is a file that is no picture at all (a pipe, a folder, a link), and a
// button shows it as CBildButton does: through CBildCache (decoded on its
// thread), then painted.
//
// The cases run in a worker process with the offscreen platform; a case
// that kills the worker is counted as a crash, one that takes longer than
// the deadline (10 s) as a hang, and the next worker goes on after it.
// Prints "bilder anzahl=N abstuerze=A haenger=H"; ends with 0 exactly when
// both are 0.

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QApplication>
#include <QBuffer>
#include <QImage>
#include <QImageWriter>
#include <QPixmap>

#include <algorithm>
#include <filesystem>
#include <iostream>

#include "BildMutation.h"
#include "CBildButton.h"
#include "CBildCache.h"
#include "Sonde.h"

namespace {

namespace fs = std::filesystem;
using namespace sonde;
using namespace std::chrono_literals;

void Stumm(QtMsgType, const QMessageLogContext&, const QString&) {}

Bytes Kodiert(const QImage& bild, const char* format, bool progressiv = false) {
    QByteArray daten;
    QBuffer puffer(&daten);
    puffer.open(QIODevice::WriteOnly);
    QImageWriter schreiber(&puffer, format);
    if (progressiv) schreiber.setProgressiveScanWrite(true);
    schreiber.write(bild);
    return Bytes(daten.constData(), static_cast<std::size_t>(daten.size()));
}

QImage Verlauf(int breite, int hoehe, QImage::Format format) {
    QImage bild(breite, hoehe, QImage::Format_ARGB32);
    for (int y = 0; y < hoehe; ++y) {
        for (int x = 0; x < breite; ++x) {
            bild.setPixel(
                x, y,
                qRgba(x * 255 / breite, y * 255 / hoehe, (x ^ y) & 0xFF, 128 + (x * 127 / breite)));
        }
    }
    return bild.convertToFormat(format);
}

// An icon file made by hand: each entry a PNG (a big icon is stored so).
Bytes IconAusPngs(const std::vector<std::pair<int, Bytes>>& eintraege) {
    const auto le = [](Bytes& b, std::uint32_t w, int bytes) {
        for (int i = 0; i < bytes; ++i) b += static_cast<char>(w >> (8 * i));
    };
    Bytes kopf;
    le(kopf, 0, 2);
    le(kopf, 1, 2);
    le(kopf, static_cast<std::uint32_t>(eintraege.size()), 2);
    Bytes daten;
    std::uint32_t ort = 6 + 16 * static_cast<std::uint32_t>(eintraege.size());
    for (const auto& [groesse, png] : eintraege) {
        kopf += static_cast<char>(groesse >= 256 ? 0 : groesse);
        kopf += static_cast<char>(groesse >= 256 ? 0 : groesse);
        le(kopf, 0, 2);   // colours, reserved
        le(kopf, 1, 2);   // planes
        le(kopf, 32, 2);  // bits per pixel
        le(kopf, static_cast<std::uint32_t>(png.size()), 4);
        le(kopf, ort, 4);
        ort += static_cast<std::uint32_t>(png.size());
        daten += png;
    }
    return kopf + daten;
}

// Sound pictures of every kind a button shows, as bytes; made in a child,
// so that this process never starts anything of Qt.
std::vector<CBildSaat> GemachteSaaten() {
    std::vector<CBildSaat> saaten;
    CArbeitsordner ordner;
    CKind kind([&](CKind&) {
        const QImage argb = Verlauf(48, 40, QImage::Format_ARGB32);
        const std::vector<CBildSaat> bilder = {
            {"verlauf.png", Kodiert(argb, "png")},
            {"palette.png", Kodiert(Verlauf(33, 17, QImage::Format_Indexed8), "png")},
            {"foto.jpg", Kodiert(Verlauf(64, 48, QImage::Format_RGB32), "jpeg")},
            {"progressiv.jpeg", Kodiert(Verlauf(40, 40, QImage::Format_RGB32), "jpeg", true)},
            {"bild.bmp", Kodiert(Verlauf(31, 29, QImage::Format_RGB888), "bmp")},
            {"grau.bmp", Kodiert(Verlauf(17, 9, QImage::Format_Indexed8), "bmp")},
            {"symbol.ico", Kodiert(Verlauf(32, 32, QImage::Format_ARGB32), "ico")},
            {"gross.ico",
             IconAusPngs({{256, Kodiert(Verlauf(256, 256, QImage::Format_ARGB32), "png")}})},
            {"zwei.ico", IconAusPngs({{16, Kodiert(Verlauf(16, 16, QImage::Format_ARGB32), "png")},
                                      {48, Kodiert(argb.scaled(48, 48), "png")}})},
        };
        for (const CBildSaat& s : bilder) {
            if (s.inhalt.empty() || !Schreiben(ordner.Datei(s.name), s.inhalt)) return 1;
        }
        return 0;
    });
    if (!kind.Beenden(In(60s)).Sauber()) return {};
    for (const auto& e : fs::directory_iterator(ordner.Pfad())) {
        saaten.push_back({e.path().filename().string(), Lesen(e.path().string())});
    }
    return saaten;
}

// Drawings that ask much of a reader: deep nesting, a use of itself, a
// pile of entities.
std::vector<CBildSaat> Zeichnungen(const std::string& ordner, CZufall& zufall) {
    const std::string kopf =
        "<svg xmlns=\"http://www.w3.org/2000/svg\" xmlns:xlink=\"http://www.w3.org/1999/xlink\" "
        "viewBox=\"0 0 72 72\">";
    std::string tief = kopf;
    for (int i = 0; i < 2000; ++i) tief += "<g transform=\"scale(1.001)\">";
    tief += "<circle cx=\"36\" cy=\"36\" r=\"20\" fill=\"#f00\"/>";
    for (int i = 0; i < 2000; ++i) tief += "</g>";
    std::vector<CBildSaat> saaten = {
        {"tief.svg", tief + "</svg>"},
        {"selbst.svg", kopf + "<defs><g id=\"a\"><use xlink:href=\"#a\"/><rect width=\"9\" "
                              "height=\"9\"/></g></defs><use xlink:href=\"#a\"/></svg>"},
        {"entitaeten.svg",
         "<?xml version=\"1.0\"?><!DOCTYPE svg [<!ENTITY a \"aaaaaaaaaa\"><!ENTITY b "
         "\"&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;\"><!ENTITY c \"&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;\">"
         "<!ENTITY d \"&c;&c;&c;&c;&c;&c;&c;&c;&c;&c;\">]>" +
             kopf + "<text x=\"1\" y=\"20\">&d;&d;&d;&d;</text></svg>"},
    };
    std::vector<fs::path> svgs;
    std::error_code ec;
    for (const auto& e : fs::directory_iterator(ordner, ec)) {
        if (e.path().extension() == ".svg") svgs.push_back(e.path());
    }
    std::sort(svgs.begin(), svgs.end());
    for (int i = 0; i < 6 && !svgs.empty(); ++i) {
        const fs::path& p = zufall.Eines(svgs);
        saaten.push_back({p.filename().string(), Lesen(p.string())});
    }
    if (svgs.empty()) std::cerr << "Keine Zeichnungen in \"" << ordner << "\" gefunden.\n";
    return saaten;
}

// Puts the case in place; the path the button is given.
std::string Anlegen(const CBildFall& fall, const CArbeitsordner& ordner) {
    using Art = CBildFall::Art;
    const std::string pfad = ordner.Datei(fall.name);
    std::error_code ec;
    switch (fall.art) {
        case Art::Datei:
            Schreiben(pfad, fall.inhalt);
            break;
        case Art::Fifo:
            ::mkfifo(pfad.c_str(), 0600);
            break;
        case Art::Ordner:
            fs::create_directory(pfad, ec);
            break;
        case Art::VerweisAufFifo:
            ::mkfifo(ordner.Datei("ziel-fifo").c_str(), 0600);
            fs::create_symlink("ziel-fifo", pfad, ec);
            break;
        case Art::VerweisInsLeere:
            fs::create_symlink("nicht-da.jpg", pfad, ec);
            break;
        case Art::VerweisSchleife:
            fs::create_symlink(fall.name, pfad, ec);
            break;
    }
    return pfad;
}

// The worker: shows the cases from `ab` on, each announced before it starts.
int Arbeiten(CKind& kind, const std::vector<CBildSaat>& saaten, std::uint64_t saat, long ab,
             long anzahl, const CArbeitsordner& ordner, bool laut) {
    // A broken picture is no news here; the image libraries tell of every
    // one, some past Qt straight to stderr.
    if (!laut) {
        qInstallMessageHandler(Stumm);
        const int nichts = ::open("/dev/null", O_WRONLY | O_CLOEXEC);
        if (nichts >= 0) ::dup2(nichts, 2);
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    int argc = 1;
    char name[] = "sagwerk-sonde-bilder";
    char* argv[] = {name, nullptr};
    QApplication app(argc, argv);
    const std::vector<QSize> groessen = {{96, 80}, {3, 3}, {400, 300}, {40, 200}};
    long lesbar = 0;
    for (long nr = ab; nr < anzahl; ++nr) {
        const CBildFall fall = BildFall(saaten, saat, nr);
        const std::string pfad = Anlegen(fall, ordner);
        kind.Melden(std::to_string(nr));
        CBildButton knopf;
        knopf.resize(groessen[static_cast<std::size_t>(nr) % groessen.size()]);
        knopf.SetCaption(QStringLiteral("Bild"));
        // Decoded on the cache's thread, as the program does it.
        CBildCache::Instanz().SetImHintergrund(true);
        knopf.SetPicture(pfad);
        CBildCache::Instanz().WartenAufAlle();
        CBildCache::Instanz().SetImHintergrund(false);
        knopf.grab();
        // Both kinds, whatever the name says.
        CBildCache::Instanz().Icon(QString::fromStdString(pfad));
        if (!CBildCache::Instanz().Bitmap(QString::fromStdString(pfad)).pixmap.isNull()) ++lesbar;
        std::error_code ec;
        fs::remove_all(pfad, ec);
        // The cache keeps every picture; the cases would fill the memory.
        if (nr % 100 == 0) CBildCache::Instanz().Leeren();
    }
    kind.Melden("fertig " + std::to_string(lesbar));
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    // Also callable as "sagwerk-sonde bilder ..." passes it on.
    const int ab = argc > 1 && std::string(argv[1]) == "bilder" ? 2 : 1;
    const CArgumente argumente(
        argc, argv, ab, {"--anzahl", "--bilder", "--saat", "--funde", "--frist"}, {"--laut"});
    const bool laut = argumente.Schalter("--laut");
    const long anzahl = argumente.Zahl("--anzahl", 1000);
    const std::chrono::milliseconds frist(argumente.Zahl("--frist", 10000));
    const std::uint64_t saat = argumente.Saat();
    CFunde funde(argumente.Text("--funde", ""));
    CZufall zufall(saat);

    std::vector<CBildSaat> saaten = GemachteSaaten();
    if (saaten.empty()) {
        std::cerr << "Die Bilder für die Saat konnten nicht gemacht werden.\n";
        return 2;
    }
    for (CBildSaat& s : Zeichnungen(argumente.Text("--bilder", "res/openmoji"), zufall)) {
        saaten.push_back(std::move(s));
    }

    CArbeitsordner ordner;
    long abstuerze = 0, haenger = 0, lesbar = 0;
    const auto melden = [&](long nr, const std::string& was) {
        const CBildFall fall = BildFall(saaten, saat, nr);
        std::cerr << "Fall " << nr << " (" << fall.name << ", " << fall.wie << "): " << was << '\n';
        if (fall.art == CBildFall::Art::Datei) {
            funde.Ablegen("bilder-" + std::to_string(saat) + "-" + fall.name, fall.inhalt);
        }
    };
    for (long naechster = 0; naechster < anzahl;) {
        const long ab = naechster;
        CKind kind([&](CKind& k) { return Arbeiten(k, saaten, saat, ab, anzahl, ordner, laut); });
        long laufend = -1;  // the case shown now
        bool fertig = false;
        Zeitpunkt bis = In(60s);  // the first case includes the start of Qt
        std::string zeile;
        for (;;) {
            const CKind::Lesen l = kind.NaechsteZeile(zeile, bis);
            if (l != CKind::Lesen::Zeile) break;
            if (zeile.rfind("fertig ", 0) == 0) {
                fertig = true;
                lesbar += std::stol(zeile.substr(7));
                break;
            }
            laufend = std::stol(zeile);
            bis = In(frist);
        }
        const CEnde ende = kind.Beenden(fertig ? In(frist) : bis);
        if (fertig) {
            if (!ende.Sauber()) {
                ++abstuerze;
                std::cerr << "Ende nach dem letzten Fall: " << ende.Text() << '\n';
            }
            break;
        }
        if (laufend < 0) {
            std::cerr << "Der Arbeiter startete nicht: " << ende.Text() << '\n';
            return 2;
        }
        if (ende.art == CEnde::Art::Frist) {
            ++haenger;
            melden(laufend, "hängt");
        } else {
            ++abstuerze;
            melden(laufend, ende.Text());
        }
        naechster = laufend + 1;
    }

    // A probe whose pictures all fail at once would prove nothing.
    std::cerr << "Als Bild lesbar blieben " << lesbar << " Fälle (ohne die vor einem Absturz).\n";
    std::cout << "bilder anzahl=" << anzahl << " abstuerze=" << abstuerze << " haenger=" << haenger
              << std::endl;
    return abstuerze + haenger == 0 ? 0 : 1;
}
