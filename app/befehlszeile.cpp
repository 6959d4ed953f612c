#include "befehlszeile.h"

#include "infoform.h"

namespace nervalo {

Befehlszeile BefehlszeileAuswerten(const QStringList& liste) {
    Befehlszeile b;
    bool selbsttest = false;
    for (qsizetype i = 0; i < liste.size(); ++i) {
        const QString& a = liste[i];
        if (a == QLatin1String("--screenshot") && i + 1 < liste.size())
            b.screenshot = liste[++i];
        else if (a == QLatin1String("--wartezeit") && i + 1 < liste.size())
            b.wartezeit = liste[++i].toInt();
        else if (a == QLatin1String("--startzeit"))
            b.startzeit = true;
        else if (a == QLatin1String("--help") || a == QLatin1String("--version")) {
            if (b.art == Startart::Programm)
                b.art = a == QLatin1String("--help") ? Startart::Hilfe : Startart::Version;
        } else if (a == QLatin1String("--selbsttest"))
            selbsttest = true;
        else
            b.argumente << a;
    }
    if (selbsttest && b.art == Startart::Programm) b.art = Startart::Selbsttest;
    return b;
}

QString HilfeText() {
    return QStringLiteral(
        "Aufruf: nervalo [Datei.net]\n"
        "\n"
        "Nervalo ist ein Lernprogramm für kleine künstliche neuronale Netze: Netze zeichnen,\n"
        "Werte Schritt für Schritt propagieren und zurückpropagieren, ein Perzeptron mit\n"
        "Lernaufgaben trainieren und Muster in einem Hopfield-Netz speichern.\n"
        "\n"
        "  Datei.net                 öffnet beim Start dieses Netz\n"
        "  --help                    zeigt diese Hilfe und endet\n"
        "  --version                 zeigt die Version und endet\n"
        "  --selbsttest Datei.net    prüft die Installation: öffnet das Netz, sucht das\n"
        "                            Tutorium und die deutschen Texte von Qt, meldet das\n"
        "                            Ergebnis und endet (Rückgabewert 0, wenn alles stimmt)\n"
        "\n"
        "Das Tutorium öffnen Sie im Programm mit „Hilfe › Tutorium“.\n");
}

QString VersionText() {
    return QStringLiteral("Nervalo ") + VersionsText() + QLatin1Char('\n');
}

} // namespace nervalo
