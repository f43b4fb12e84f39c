<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
<context>
    <name>combicalc::metadata</name>
    <message>
        <source>Combinatorics Calculator</source>
        <translation>Kalkulator kombinatoryczny</translation>
    </message>
    <message>
        <source>Factorials, permutations, combinations and two-outcome probabilities</source>
        <translation>Silnie, wariacje, kombinacje i prawdopodobieństwo w próbach o dwóch wynikach</translation>
    </message>
    <message>
        <source>combinatorics;factorial;permutation;combination;probability;binomial;nPr;nCr;</source>
        <translation>kombinatoryka;silnia;permutacja;wariacja;kombinacja;prawdopodobieństwo;dwumian;nPr;nCr;</translation>
    </message>
    <message>
        <source>Calculator for combinatorics exercises</source>
        <translation>Kalkulator do zadań z kombinatoryki</translation>
    </message>
    <message>
        <source>A small calculator for combinatorics exercises. Pick a mode, type the numbers into the boxes it shows, press START and read the result in the Answer box. Four modes compute:</source>
        <translation>Mały kalkulator do zadań z kombinatoryki. Wybierz tryb, wpisz liczby w pola, które się pojawią, naciśnij START i odczytaj wynik z pola Answer. Do wyboru są cztery tryby:</translation>
    </message>
    <message>
        <source>Factorial: n!, the product n × (n − 1) × … down to the last factor above zero</source>
        <translation>Factorial: n!, czyli iloczyn n × (n − 1) × … aż do ostatniego czynnika większego od zera</translation>
    </message>
    <message>
        <source>nPr: the ordered selections of r out of n</source>
        <translation>nPr: uporządkowane ciągi r różnych elementów wybranych spośród n (wariacje bez powtórzeń)</translation>
    </message>
    <message>
        <source>nCr: the combinations of r out of n</source>
        <translation>nCr: kombinacje r elementów spośród n</translation>
    </message>
    <message>
        <source>2 Outcomes: the chance of exactly r successes in n trials, each with z equally likely outcomes of which w are favourable</source>
        <translation>2 Outcomes: prawdopodobieństwo uzyskania dokładnie r sukcesów w n próbach, gdy każda próba ma z jednakowo prawdopodobnych wyników, z których w jest sprzyjających</translation>
    </message>
    <message>
        <source>Every intermediate result is kept as the 15-digit text it shows, and the answers are the same, to the last digit, on every platform. Numbers follow the decimal separator and the digits of the user&apos;s locale.</source>
        <translation>Każdy wynik pośredni jest przechowywany jako wyświetlany 15-cyfrowy tekst, a wyniki końcowe są identyczne co do ostatniej cyfry na każdej platformie. Liczby są zapisywane z separatorem dziesiętnym i cyframi zgodnymi z ustawieniami regionalnymi użytkownika.</translation>
    </message>
</context>
<context>
    <name>combicalc::texts</name>
    <message>
        <source>Conversion error: %1 holds %2, which is not a number</source>
        <translation>Błąd konwersji: %1 zawiera %2, co nie jest liczbą</translation>
    </message>
    <message>
        <source>Conversion error: %1 holds %2, which is not a number: write the decimal separator as &quot;%3&quot;</source>
        <translation>Błąd konwersji: %1 zawiera %2, co nie jest liczbą – jako separatora dziesiętnego użyj znaku „%3”</translation>
    </message>
    <message>
        <source>Too many digits: %1 holds %2, which has more than the 15 significant digits a box keeps, so the countdown would lose the rest: round it to 15 digits</source>
        <translation>Za dużo cyfr: %1 zawiera %2, a pole mieści tylko 15 cyfr znaczących, więc przy odliczaniu pozostałe cyfry zostałyby utracone: zaokrąglij liczbę do 15 cyfr</translation>
    </message>
    <message>
        <source>Number too close to 0: %1 holds %2, which is nearer to 0 than the smallest number a box holds (about %3)</source>
        <translation>Liczba zbyt bliska 0: %1 zawiera %2 – wartość bliższą 0 niż najmniejsza liczba, jaką może pomieścić pole (około %3)</translation>
    </message>
    <message>
        <source>&quot;%1&quot;</source>
        <translation>„%1”</translation>
    </message>
    <message>
        <source>&quot;%1&quot; (%2 characters)</source>
        <translation>„%1” (liczba znaków: %2)</translation>
    </message>
    <message>
        <source>Arithmetic fault: %1</source>
        <translation>Błąd arytmetyczny: %1</translation>
    </message>
    <message>
        <source>invalid operation</source>
        <translation>niedozwolona operacja</translation>
    </message>
    <message>
        <source>division by zero</source>
        <translation>dzielenie przez zero</translation>
    </message>
    <message>
        <source>overflow</source>
        <translation>przepełnienie</translation>
    </message>
    <message>
        <source>Overflow: a product of the countdown passed the largest number a box holds (about %1), so this result cannot be computed this way</source>
        <translation>Przepełnienie: iloczyn w trakcie odliczania przekroczył największą liczbę, jaką może pomieścić pole (około %1), więc tego wyniku nie da się obliczyć w ten sposób</translation>
    </message>
    <message>
        <source>Countdown stopped: n is too large beside r for the countdown to go on (n − r rounds to n), so this result cannot be computed this way</source>
        <translation>Odliczanie zatrzymane: liczba n jest zbyt duża w stosunku do r, by odliczanie mogło trwać dalej (n − r zaokrągla się do n), więc tego wyniku nie da się obliczyć w ten sposób</translation>
    </message>
    <message>
        <source>Countdown stopped: n is too large for the countdown to go on (n − 1 rounds to n in the 15 digits a box keeps), so this result cannot be computed this way</source>
        <translation>Odliczanie zatrzymane: liczba n jest zbyt duża, by odliczanie mogło trwać dalej (przy 15 cyfrach, które mieści pole, n − 1 zaokrągla się do n), więc tego wyniku nie da się obliczyć w ten sposób</translation>
    </message>
    <message>
        <source>Run not finished: the %1 countdown needs more than %2 passes, so Answer holds no result of this run</source>
        <translation>Obliczenie nieukończone: odliczanie w trybie %1 wymaga więcej niż %2 kroków, więc pole Answer nie zawiera wyniku tego obliczenia</translation>
    </message>
    <message>
        <source>Run not finished: the %1 countdown needs more than %2 passes, so Answer holds the product after %2 passes, not the result</source>
        <translation>Obliczenie nieukończone: odliczanie w trybie %1 wymaga więcej niż %2 kroków, więc pole Answer zawiera iloczyn po %2 krokach, a nie wynik</translation>
    </message>
    <message>
        <source>Control call error: could not read the text of %1</source>
        <translation>Błąd wywołania kontrolki: nie udało się odczytać tekstu kontrolki %1</translation>
    </message>
    <message>
        <source>Control call error: could not set the text of %1</source>
        <translation>Błąd wywołania kontrolki: nie udało się ustawić tekstu kontrolki %1</translation>
    </message>
    <message>
        <source>Control call error: could not read the state of %1</source>
        <translation>Błąd wywołania kontrolki: nie udało się odczytać stanu kontrolki %1</translation>
    </message>
    <message>
        <source>Control call error: could not show or hide %1</source>
        <translation>Błąd wywołania kontrolki: nie udało się zmienić widoczności kontrolki %1</translation>
    </message>
    <message>
        <source>the first input box</source>
        <translation>pierwsze pole wejściowe</translation>
    </message>
    <message>
        <source>the second input box</source>
        <translation>drugie pole wejściowe</translation>
    </message>
    <message>
        <source>the third input box</source>
        <translation>trzecie pole wejściowe</translation>
    </message>
    <message>
        <source>the fourth input box</source>
        <translation>czwarte pole wejściowe</translation>
    </message>
    <message>
        <source>the Answer box</source>
        <translation>pole Answer</translation>
    </message>
    <message>
        <source>a hidden working box (Text1)</source>
        <translation>ukryte pole robocze (Text1)</translation>
    </message>
    <message>
        <source>a hidden working box (Text2)</source>
        <translation>ukryte pole robocze (Text2)</translation>
    </message>
    <message>
        <source>a hidden working box (Text3)</source>
        <translation>ukryte pole robocze (Text3)</translation>
    </message>
    <message>
        <source>n: the number whose factorial is taken (Factorial), the number of items (nPr, nCr) or of trials (2 Outcomes)</source>
        <translation>n: liczba, której silnię się oblicza (Factorial), liczba elementów (nPr, nCr) lub liczba prób (2 Outcomes)</translation>
    </message>
    <message>
        <source>r: how many items are chosen (nPr, nCr), or how many of the trials succeed (2 Outcomes)</source>
        <translation>r: ile elementów jest wybieranych (nPr, nCr) lub ile prób kończy się sukcesem (2 Outcomes)</translation>
    </message>
    <message>
        <source>2 Outcomes: how many equally likely outcomes one trial has</source>
        <translation>2 Outcomes: ile jednakowo prawdopodobnych wyników ma jedna próba</translation>
    </message>
    <message>
        <source>2 Outcomes: how many of those outcomes are favourable</source>
        <translation>2 Outcomes: ile z tych wyników jest sprzyjających</translation>
    </message>
    <message>
        <source>The result of the last run</source>
        <translation>Wynik ostatniego obliczenia</translation>
    </message>
    <message>
        <source>Answer %1</source>
        <translation>Answer: %1</translation>
    </message>
    <message>
        <source>No new answer: Answer still shows %1</source>
        <translation>Brak nowego wyniku: pole Answer nadal pokazuje %1</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Tryb</translation>
    </message>
    <message>
        <source>Error report</source>
        <translation>Komunikat o błędzie</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
</TS>
