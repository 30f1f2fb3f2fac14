#pragma once

#include <QObject>
#include <QString>
#include <QTimer>
#include <vector>

class QListWidget;

// The small pictures beside the captions of an editor list. They come from
// the picture cache of the communication screen: a picture decoded before is
// shown at once; one that is not is decoded in the background (as the
// program runs) and put in when it has come, so that a long list is shown
// without waiting for its files.
//
// Owns nothing but its timer; the list must outlive this object.
class CListenBilder : public QObject {
    Q_OBJECT
public:
    explicit CListenBilder(QListWidget& liste);

    // The pictures of the list's rows, full paths (empty: none); replaces
    // what was asked before.
    void Zeigen(const std::vector<QString>& bilder);
    // Rows still waiting for their picture.
    int Wartend() const;

private:
    // Puts in what is there; true when every row has its picture.
    bool Einsetzen();

    QListWidget& m_liste;
    std::vector<QString> m_bilder;
    std::vector<bool> m_fertig;
    QTimer m_nachsehen;
    int m_nVersuche = 0;
};
