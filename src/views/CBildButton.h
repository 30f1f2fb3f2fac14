#pragma once

#include <QAbstractButton>
#include <QFont>
#include <QPixmap>
#include <QString>

class QPainter;
#include <cstdint>
#include <string>

#include "CBildCache.h"

// The one picture button of the program: a frame, an optional fill colour, a
// caption along the bottom edge and above it a picture from an .ico, .bmp,
// .png, .jpg or .svg file, only ever shrunk to fit.
//
// The button handles no click itself; owners connect to clicked(). A fast
// double click gives two clicks (Qt turns the second press into a press).
//
// Pictures come from the shared CBildCache, so a file is decoded once however
// many buttons show it. A file that cannot be loaded leaves the button without
// a picture; nothing is reported. When the cache decodes in the background, a
// picture not decoded yet is drawn once it has come.
class CBildButton : public QAbstractButton {
    Q_OBJECT
public:
    explicit CBildButton(QWidget* parent = nullptr);

    // Stores the UTF-8 text and cuts whole characters off its end until it
    // fits the button's width minus 5 pixels (minus 16 while held, for the
    // frame); no ellipsis is added. The text is fitted again when the
    // button is resized. A soft hyphen (U+00AD) is not drawn; with a
    // smallest font (SetMindestSchrift) the caption may be hyphenated there.
    // Repaints.
    void SetCaption(const std::string& text);
    void SetCaption(const QString& text);
    // The caption as drawn, after fitting.
    QString GetCaption() const;
    // Lets the caption's letters shrink down to this pixel size before any
    // are cut off (0: cut at the button's own font size); where one line
    // does not fit even then, the caption goes on two: broken after a slash
    // or at a blank, a single word hyphenated at a soft hyphen or between
    // syllables.
    void SetMindestSchrift(int pixel);
    // The font the caption is drawn in, after fitting.
    QFont GetCaptionFont() const {
        Einpassen();
        return m_schrift;
    }

    // A colour as the database keeps it, 0x00BBGGRR; 0 means no fill.
    void SetFillColor(std::uint32_t farbe);
    std::uint32_t GetFillColor() const { return m_nFarbe; }

    // A full path. Its lower-cased form decides: ".ico" anywhere loads an
    // icon, else ".bmp" anywhere or an ending ".png", ".jpg", ".jpeg" or
    // ".svg" a picture drawn like a bitmap, else the picture is removed
    // (also for the empty path). Repaints.
    void SetPicture(const std::string& pfad);
    // Has the picture SetPicture would show decoded in the background, for
    // a button not shown yet (nothing when the cache does not decode in the
    // background).
    static void Vorladen(const std::string& pfad);
    // Whether SetPicture would show the picture at once.
    static bool IsBildBereit(const std::string& pfad);
    bool HasPicture() const { return !m_bild.isNull(); }
    // The picture is being decoded in the background.
    bool IsPictureWaiting() const { return !m_strWartet.isEmpty(); }
    bool IsIcon() const { return m_bIcon; }
    // Natural size of the picture as the drawing rule sees it.
    QSize GetPictureSize() const { return m_natuerlich; }
    // Where the picture is drawn on the button as it is now.
    QRect GetPictureRect() const;

    // Drawn pushed even when not pressed, with a thick dark frame inside
    // (latched function buttons).
    void SetHeld(bool gehalten);
    bool IsHeld() const { return m_bHeld; }

    QSize sizeHint() const override { return QSize(100, 100); }

    // Draws the button as it is now into the shared pixmap cache, without
    // showing it: a button showing the same later is only copied.
    void Vorzeichnen() const;

    // The cache has decoded a picture this button may be waiting for.
    void BildFertig(const QString& pfad, bool icon, const CBildCache::CBild& bild);

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void Uebernehmen(const CBildCache::CBild& bild);
    static QString OhneTrennzeichen(QString text);
    // Two lines for a caption that fits no other way; false when they do not fit.
    bool ZweiZeilen(int grenze) const;
    void Einpassen() const;
    QPixmap Abbild() const;
    QPixmap Grund(bool gedrueckt) const;
    void Rahmen(QPainter& p, bool gedrueckt) const;
    void Inhalt(QPainter& p, QSize text) const;
    QSize Textgroesse() const;

    QString m_strVoll;
    // Fitted lazily: a hidden widget gets no resize event until it is shown.
    mutable QString m_strCaption;
    mutable int m_nEingepasst = -1;  // room the caption was fitted to
    mutable QFont m_schrift;         // the font it was fitted in
    mutable QSize m_textGroesse;     // its size in that font
    int m_nMindestPixel = 0;
    std::uint32_t m_nFarbe = 0;
    QPixmap m_bild;
    QSize m_natuerlich;
    QString m_strWartet;  // the file whose picture is on its way
    bool m_bIcon = false;
    bool m_bHeld = false;
};
