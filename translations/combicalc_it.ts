<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>combicalc::metadata</name>
    <message>
        <source>Combinatorics Calculator</source>
        <translation>Calcolatrice per il calcolo combinatorio</translation>
    </message>
    <message>
        <source>Factorials, permutations, combinations and two-outcome probabilities</source>
        <translation>Fattoriali, disposizioni, combinazioni e probabilità con due esiti possibili</translation>
    </message>
    <message>
        <source>combinatorics;factorial;permutation;combination;probability;binomial;nPr;nCr;</source>
        <translation>calcolo combinatorio;fattoriale;permutazione;disposizione;combinazione;probabilità;binomiale;nPr;nCr;</translation>
    </message>
    <message>
        <source>Calculator for combinatorics exercises</source>
        <translation>Calcolatrice per esercizi di calcolo combinatorio</translation>
    </message>
    <message>
        <source>A small calculator for combinatorics exercises. Pick a mode, type the numbers into the boxes it shows, press START and read the result in the Answer box. Four modes compute:</source>
        <translation>Una piccola calcolatrice per esercizi di calcolo combinatorio. Scegli una modalità, digita i numeri nei campi che compaiono, premi START e leggi il risultato nel campo Answer. Le modalità di calcolo sono quattro:</translation>
    </message>
    <message>
        <source>Factorial: n!, the product n × (n − 1) × … down to the last factor above zero</source>
        <translation>Factorial: n!, il prodotto n × (n − 1) × … fino all’ultimo fattore maggiore di zero</translation>
    </message>
    <message>
        <source>nPr: the ordered selections of r out of n</source>
        <translation>nPr: le selezioni ordinate (disposizioni) di r elementi scelti tra n</translation>
    </message>
    <message>
        <source>nCr: the combinations of r out of n</source>
        <translation>nCr: le combinazioni di r elementi scelti tra n</translation>
    </message>
    <message>
        <source>2 Outcomes: the chance of exactly r successes in n trials, each with z equally likely outcomes of which w are favourable</source>
        <translation>2 Outcomes: la probabilità di ottenere esattamente r successi in n prove, ciascuna con z esiti equiprobabili, di cui w favorevoli</translation>
    </message>
    <message>
        <source>Every intermediate result is kept as the 15-digit text it shows, and the answers are the same, to the last digit, on every platform. Numbers follow the decimal separator and the digits of the user&apos;s locale.</source>
        <translation>Ogni risultato intermedio viene conservato esattamente come appare, cioè come testo di 15 cifre, e i risultati sono identici, fino all’ultima cifra, su tutte le piattaforme. I numeri seguono il separatore decimale e le cifre delle impostazioni locali dell’utente.</translation>
    </message>
</context>
<context>
    <name>combicalc::texts</name>
    <message>
        <source>Conversion error: %1 holds %2, which is not a number</source>
        <translation>Errore di conversione: %1 contiene %2, che non è un numero</translation>
    </message>
    <message>
        <source>Conversion error: %1 holds %2, which is not a number: write the decimal separator as &quot;%3&quot;</source>
        <translation>Errore di conversione: %1 contiene %2, che non è un numero; usa «%3» come separatore decimale</translation>
    </message>
    <message>
        <source>Too many digits: %1 holds %2, which has more than the 15 significant digits a box keeps, so the countdown would lose the rest: round it to 15 digits</source>
        <translation>Troppe cifre: %1 contiene %2, che ha più delle 15 cifre significative che un campo conserva, quindi il conto alla rovescia perderebbe le altre: arrotondalo a 15 cifre</translation>
    </message>
    <message>
        <source>Number too close to 0: %1 holds %2, which is nearer to 0 than the smallest number a box holds (about %3)</source>
        <translation>Numero troppo vicino a 0: %1 contiene %2, che è più vicino a 0 del numero più piccolo che un campo può contenere (circa %3)</translation>
    </message>
    <message>
        <source>&quot;%1&quot;</source>
        <translation>«%1»</translation>
    </message>
    <message>
        <source>&quot;%1&quot; (%2 characters)</source>
        <translation>«%1» (%2 caratteri)</translation>
    </message>
    <message>
        <source>Arithmetic fault: %1</source>
        <translation>Errore aritmetico: %1</translation>
    </message>
    <message>
        <source>invalid operation</source>
        <translation>operazione non valida</translation>
    </message>
    <message>
        <source>division by zero</source>
        <translation>divisione per zero</translation>
    </message>
    <message>
        <source>overflow</source>
        <translation>overflow</translation>
    </message>
    <message>
        <source>Overflow: a product of the countdown passed the largest number a box holds (about %1), so this result cannot be computed this way</source>
        <translation>Overflow: un prodotto del conto alla rovescia ha superato il numero più grande che un campo può contenere (circa %1), quindi non è possibile calcolare questo risultato in questo modo</translation>
    </message>
    <message>
        <source>Countdown stopped: n is too large beside r for the countdown to go on (n − r rounds to n), so this result cannot be computed this way</source>
        <translation>Conto alla rovescia interrotto: n è troppo grande rispetto a r perché il conto alla rovescia possa proseguire (n − r viene arrotondato a n), quindi non è possibile calcolare questo risultato in questo modo</translation>
    </message>
    <message>
        <source>Countdown stopped: n is too large for the countdown to go on (n − 1 rounds to n in the 15 digits a box keeps), so this result cannot be computed this way</source>
        <translation>Conto alla rovescia interrotto: n è troppo grande perché il conto alla rovescia possa proseguire (con le 15 cifre che un campo conserva, n − 1 viene arrotondato a n), quindi non è possibile calcolare questo risultato in questo modo</translation>
    </message>
    <message>
        <source>Run not finished: the %1 countdown needs more than %2 passes, so Answer holds no result of this run</source>
        <translation>Calcolo non terminato: il conto alla rovescia della modalità %1 richiede più di %2 passi, quindi il campo Answer non contiene alcun risultato di questo calcolo</translation>
    </message>
    <message>
        <source>Run not finished: the %1 countdown needs more than %2 passes, so Answer holds the product after %2 passes, not the result</source>
        <translation>Calcolo non terminato: il conto alla rovescia della modalità %1 richiede più di %2 passi, quindi il campo Answer contiene il prodotto dopo %2 passi, non il risultato</translation>
    </message>
    <message>
        <source>Control call error: could not read the text of %1</source>
        <translation>Errore nella chiamata al controllo: impossibile leggere il testo di %1</translation>
    </message>
    <message>
        <source>Control call error: could not set the text of %1</source>
        <translation>Errore nella chiamata al controllo: impossibile impostare il testo di %1</translation>
    </message>
    <message>
        <source>Control call error: could not read the state of %1</source>
        <translation>Errore nella chiamata al controllo: impossibile leggere lo stato di %1</translation>
    </message>
    <message>
        <source>Control call error: could not show or hide %1</source>
        <translation>Errore nella chiamata al controllo: impossibile mostrare o nascondere %1</translation>
    </message>
    <message>
        <source>the first input box</source>
        <translation>il primo campo di inserimento</translation>
    </message>
    <message>
        <source>the second input box</source>
        <translation>il secondo campo di inserimento</translation>
    </message>
    <message>
        <source>the third input box</source>
        <translation>il terzo campo di inserimento</translation>
    </message>
    <message>
        <source>the fourth input box</source>
        <translation>il quarto campo di inserimento</translation>
    </message>
    <message>
        <source>the Answer box</source>
        <translation>il campo Answer</translation>
    </message>
    <message>
        <source>a hidden working box (Text1)</source>
        <translation>un campo di lavoro nascosto (Text1)</translation>
    </message>
    <message>
        <source>a hidden working box (Text2)</source>
        <translation>un campo di lavoro nascosto (Text2)</translation>
    </message>
    <message>
        <source>a hidden working box (Text3)</source>
        <translation>un campo di lavoro nascosto (Text3)</translation>
    </message>
    <message>
        <source>n: the number whose factorial is taken (Factorial), the number of items (nPr, nCr) or of trials (2 Outcomes)</source>
        <translation>n: il numero di cui si calcola il fattoriale (Factorial), il numero di elementi (nPr, nCr) o di prove (2 Outcomes)</translation>
    </message>
    <message>
        <source>r: how many items are chosen (nPr, nCr), or how many of the trials succeed (2 Outcomes)</source>
        <translation>r: quanti elementi si scelgono (nPr, nCr) o quante prove hanno successo (2 Outcomes)</translation>
    </message>
    <message>
        <source>2 Outcomes: how many equally likely outcomes one trial has</source>
        <translation>2 Outcomes: quanti esiti equiprobabili ha ogni prova</translation>
    </message>
    <message>
        <source>2 Outcomes: how many of those outcomes are favourable</source>
        <translation>2 Outcomes: quanti di questi esiti sono favorevoli</translation>
    </message>
    <message>
        <source>The result of the last run</source>
        <translation>Il risultato dell’ultimo calcolo</translation>
    </message>
    <message>
        <source>Answer %1</source>
        <translation>Answer: %1</translation>
    </message>
    <message>
        <source>No new answer: Answer still shows %1</source>
        <translation>Nessun nuovo risultato: il campo Answer mostra ancora %1</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Modalità</translation>
    </message>
    <message>
        <source>Error report</source>
        <translation>Segnalazione di errore</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
</TS>
