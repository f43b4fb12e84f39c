<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>combicalc::metadata</name>
    <message>
        <source>Combinatorics Calculator</source>
        <translation>Kombinatorik-Rechner</translation>
    </message>
    <message>
        <source>Factorials, permutations, combinations and two-outcome probabilities</source>
        <translation>Fakultäten, Permutationen, Kombinationen und Wahrscheinlichkeiten bei zwei Ausgängen</translation>
    </message>
    <message>
        <source>combinatorics;factorial;permutation;combination;probability;binomial;nPr;nCr;</source>
        <translation>Kombinatorik;Fakultät;Permutation;Kombination;Wahrscheinlichkeit;Binomialverteilung;nPr;nCr;</translation>
    </message>
    <message>
        <source>Calculator for combinatorics exercises</source>
        <translation>Rechner für Kombinatorikaufgaben</translation>
    </message>
    <message>
        <source>A small calculator for combinatorics exercises. Pick a mode, type the numbers into the boxes it shows, press START and read the result in the Answer box. Four modes compute:</source>
        <translation>Ein kleiner Rechner für Kombinatorikaufgaben. Wählen Sie einen Modus, geben Sie die Zahlen in die Eingabefelder ein, die der Modus einblendet, drücken Sie START und lesen Sie das Ergebnis im Feld Answer ab. Vier Modi liefern ein Ergebnis:</translation>
    </message>
    <message>
        <source>Factorial: n!, the product n × (n − 1) × … down to the last factor above zero</source>
        <translation>Factorial: n!, das Produkt n × (n − 1) × … bis hinunter zum letzten Faktor größer als null</translation>
    </message>
    <message>
        <source>nPr: the ordered selections of r out of n</source>
        <translation>nPr: die Anzahl der geordneten Auswahlen von r aus n</translation>
    </message>
    <message>
        <source>nCr: the combinations of r out of n</source>
        <translation>nCr: die Anzahl der Kombinationen von r aus n</translation>
    </message>
    <message>
        <source>2 Outcomes: the chance of exactly r successes in n trials, each with z equally likely outcomes of which w are favourable</source>
        <translation>2 Outcomes: die Wahrscheinlichkeit für genau r Erfolge bei n Versuchen mit je z gleich wahrscheinlichen Ausgängen, von denen w günstig sind</translation>
    </message>
    <message>
        <source>Every intermediate result is kept as the 15-digit text it shows, and the answers are the same, to the last digit, on every platform. Numbers follow the decimal separator and the digits of the user&apos;s locale.</source>
        <translation>Jedes Zwischenergebnis wird genau so festgehalten, wie es als 15-stelliger Text angezeigt wird, und die Ergebnisse sind auf jeder Plattform bis zur letzten Stelle gleich. Zahlen richten sich nach dem Dezimaltrennzeichen und den Ziffern der Regionaleinstellungen des Benutzers.</translation>
    </message>
</context>
<context>
    <name>combicalc::texts</name>
    <message>
        <source>Conversion error: %1 holds %2, which is not a number</source>
        <translation>Umwandlungsfehler: Der Text %2 %1 ist keine Zahl</translation>
    </message>
    <message>
        <source>Conversion error: %1 holds %2, which is not a number: write the decimal separator as &quot;%3&quot;</source>
        <translation>Umwandlungsfehler: Der Text %2 %1 ist keine Zahl – verwenden Sie als Dezimaltrennzeichen „%3“</translation>
    </message>
    <message>
        <source>Too many digits: %1 holds %2, which has more than the 15 significant digits a box keeps, so the countdown would lose the rest: round it to 15 digits</source>
        <translation>Zu viele Stellen: Der Text %2 %1 hat mehr als die 15 signifikanten Stellen, die ein Feld speichert, sodass beim Herunterzählen die übrigen verloren gingen – runden Sie die Zahl auf 15 Stellen</translation>
    </message>
    <message>
        <source>Number too close to 0: %1 holds %2, which is nearer to 0 than the smallest number a box holds (about %3)</source>
        <translation>Zahl zu nahe an 0: Der Text %2 %1 liegt näher an 0 als die kleinste Zahl, die ein Feld fassen kann (etwa %3)</translation>
    </message>
    <message>
        <source>&quot;%1&quot;</source>
        <translation>„%1“</translation>
    </message>
    <message>
        <source>&quot;%1&quot; (%2 characters)</source>
        <translation>„%1“ (%2 Zeichen)</translation>
    </message>
    <message>
        <source>Arithmetic fault: %1</source>
        <translation>Rechenfehler: %1</translation>
    </message>
    <message>
        <source>invalid operation</source>
        <translation>ungültige Operation</translation>
    </message>
    <message>
        <source>division by zero</source>
        <translation>Division durch null</translation>
    </message>
    <message>
        <source>overflow</source>
        <translation>Überlauf</translation>
    </message>
    <message>
        <source>Countdown stopped: n is too large beside r for the countdown to go on (n − r rounds to n), so this result cannot be computed this way</source>
        <translation>Herunterzählen abgebrochen: Im Vergleich zu r ist n so groß, dass nicht weiter heruntergezählt werden kann (n − r ergibt gerundet wieder n), daher lässt sich dieses Ergebnis auf diesem Weg nicht berechnen</translation>
    </message>
    <message>
        <source>Countdown stopped: n is too large for the countdown to go on (n − 1 rounds to n in the 15 digits a box keeps), so this result cannot be computed this way</source>
        <translation>Herunterzählen abgebrochen: n ist so groß, dass nicht weiter heruntergezählt werden kann (n − 1 ergibt, auf die 15 Stellen eines Feldes gerundet, wieder n), daher lässt sich dieses Ergebnis auf diesem Weg nicht berechnen</translation>
    </message>
    <message>
        <source>Run not finished: the %1 countdown needs more than %2 passes, so Answer holds no result of this run</source>
        <translation>Berechnung nicht abgeschlossen: Das Herunterzählen im Modus %1 erfordert mehr als %2 Schritte, daher enthält das Feld Answer kein Ergebnis dieser Berechnung</translation>
    </message>
    <message>
        <source>Run not finished: the %1 countdown needs more than %2 passes, so Answer holds the product after %2 passes, not the result</source>
        <translation>Berechnung nicht abgeschlossen: Das Herunterzählen im Modus %1 erfordert mehr als %2 Schritte, daher enthält das Feld Answer das Produkt nach %2 Schritten und nicht das Ergebnis</translation>
    </message>
    <message>
        <source>the first input box</source>
        <translation>im ersten Eingabefeld</translation>
    </message>
    <message>
        <source>the second input box</source>
        <translation>im zweiten Eingabefeld</translation>
    </message>
    <message>
        <source>the third input box</source>
        <translation>im dritten Eingabefeld</translation>
    </message>
    <message>
        <source>the fourth input box</source>
        <translation>im vierten Eingabefeld</translation>
    </message>
    <message>
        <source>the Answer box</source>
        <translation>im Feld Answer</translation>
    </message>
    <message>
        <source>a hidden working box (Text1)</source>
        <translation>in einem verborgenen Hilfsfeld (Text1)</translation>
    </message>
    <message>
        <source>a hidden working box (Text2)</source>
        <translation>in einem verborgenen Hilfsfeld (Text2)</translation>
    </message>
    <message>
        <source>a hidden working box (Text3)</source>
        <translation>in einem verborgenen Hilfsfeld (Text3)</translation>
    </message>
    <message>
        <source>n: the number whose factorial is taken (Factorial), the number of items (nPr, nCr) or of trials (2 Outcomes)</source>
        <translation>n: die Zahl, deren Fakultät berechnet wird (Factorial), die Anzahl der Elemente (nPr, nCr) oder der Versuche (2 Outcomes)</translation>
    </message>
    <message>
        <source>r: how many items are chosen (nPr, nCr), or how many of the trials succeed (2 Outcomes)</source>
        <translation>r: wie viele Elemente ausgewählt werden (nPr, nCr) oder wie viele der Versuche erfolgreich sind (2 Outcomes)</translation>
    </message>
    <message>
        <source>2 Outcomes: how many equally likely outcomes one trial has</source>
        <translation>2 Outcomes: wie viele gleich wahrscheinliche Ausgänge ein Versuch hat</translation>
    </message>
    <message>
        <source>2 Outcomes: how many of those outcomes are favourable</source>
        <translation>2 Outcomes: wie viele dieser Ausgänge günstig sind</translation>
    </message>
    <message>
        <source>The result of the last run</source>
        <translation>Das Ergebnis der letzten Berechnung</translation>
    </message>
    <message>
        <source>Answer %1</source>
        <translation>Answer: %1</translation>
    </message>
    <message>
        <source>No new answer: Answer still shows %1</source>
        <translation>Kein neues Ergebnis: Das Feld Answer zeigt weiterhin %1</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Modus</translation>
    </message>
    <message>
        <source>Error report</source>
        <translation>Fehlermeldung</translation>
    </message>
    <message>
        <source>Overflow: a product of the countdown passed the largest number a box holds (about %1), so this result cannot be computed this way</source>
        <translation>Überlauf: Ein Teilprodukt beim Herunterzählen hat die größte Zahl überschritten, die ein Feld fassen kann (etwa %1), daher lässt sich dieses Ergebnis auf diesem Weg nicht berechnen</translation>
    </message>
    <message>
        <source>Control call error: could not read the text of %1</source>
        <translation>Fehler beim Aufruf eines Steuerelements: Der Text von %1 konnte nicht gelesen werden</translation>
    </message>
    <message>
        <source>Control call error: could not set the text of %1</source>
        <translation>Fehler beim Aufruf eines Steuerelements: Der Text von %1 konnte nicht gesetzt werden</translation>
    </message>
    <message>
        <source>Control call error: could not read the state of %1</source>
        <translation>Fehler beim Aufruf eines Steuerelements: Der Zustand von %1 konnte nicht gelesen werden</translation>
    </message>
    <message>
        <source>Control call error: could not show or hide %1</source>
        <translation>Fehler beim Aufruf eines Steuerelements: Das Steuerelement %1 konnte nicht ein- oder ausgeblendet werden</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
</TS>
