<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>combicalc::metadata</name>
    <message>
        <source>Combinatorics Calculator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Factorials, permutations, combinations and two-outcome probabilities</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>combinatorics;factorial;permutation;combination;probability;binomial;nPr;nCr;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calculator for combinatorics exercises</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A small calculator for combinatorics exercises. Pick a mode, type the numbers into the boxes it shows, press START and read the result in the Answer box. Four modes compute:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Factorial: n!, the product n × (n − 1) × … down to the last factor above zero</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nPr: the ordered selections of r out of n</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nCr: the combinations of r out of n</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2 Outcomes: the chance of exactly r successes in n trials, each with z equally likely outcomes of which w are favourable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Every intermediate result is kept as the 15-digit text it shows, and the answers are the same, to the last digit, on every platform. Numbers follow the decimal separator and the digits of the user&apos;s locale.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>combicalc::texts</name>
    <message>
        <source>Conversion error: %1 holds %2, which is not a number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Conversion error: %1 holds %2, which is not a number: write the decimal separator as &quot;%3&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1…&quot; (%2 characters)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Arithmetic fault: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>invalid operation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>division by zero</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>overflow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Overflow: a product of the countdown passed the largest number a box holds (about %1), so this result cannot be computed this way</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Countdown stopped: n is too large beside r for the countdown to go on (n − r rounds to n), so this result cannot be computed this way</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Run not finished: the %1 countdown needs more than %2 passes, so Answer holds no result of this run</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Run not finished: the %1 countdown needs more than %2 passes, so Answer holds the product after %2 passes, not the result</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Control call error: could not read the text of %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Control call error: could not set the text of %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Control call error: could not read the state of %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Control call error: could not show or hide %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the first input box</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the second input box</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the third input box</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the fourth input box</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the Answer box</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a hidden working box (Text1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a hidden working box (Text2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a hidden working box (Text3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>n: the number whose factorial is taken (Factorial), the number of items (nPr, nCr) or of trials (2 Outcomes)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>r: how many items are chosen (nPr, nCr), or how many of the trials succeed (2 Outcomes)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2 Outcomes: how many equally likely outcomes one trial has</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2 Outcomes: how many of those outcomes are favourable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The result of the last run</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Answer %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No new answer: Answer still shows %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error report</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
