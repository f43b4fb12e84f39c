<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>combicalc::metadata</name>
    <message>
        <source>Combinatorics Calculator</source>
        <translation>Calculatrice de combinatoire</translation>
    </message>
    <message>
        <source>Factorials, permutations, combinations and two-outcome probabilities</source>
        <translation>Factorielles, permutations, combinaisons et probabilités à deux issues</translation>
    </message>
    <message>
        <source>combinatorics;factorial;permutation;combination;probability;binomial;nPr;nCr;</source>
        <translation>combinatoire;factorielle;permutation;arrangement;combinaison;probabilité;binomial;nPr;nCr;</translation>
    </message>
    <message>
        <source>Calculator for combinatorics exercises</source>
        <translation>Calculatrice pour exercices de combinatoire</translation>
    </message>
    <message>
        <source>A small calculator for combinatorics exercises. Pick a mode, type the numbers into the boxes it shows, press START and read the result in the Answer box. Four modes compute:</source>
        <translation>Une petite calculatrice pour les exercices de combinatoire. Choisissez un mode, tapez les nombres dans les champs de saisie qu’il affiche, appuyez sur START et lisez le résultat dans le champ Answer. Quatre modes produisent un résultat&#xa0;:</translation>
    </message>
    <message>
        <source>Factorial: n!, the product n × (n − 1) × … down to the last factor above zero</source>
        <translation>Factorial&#xa0;: n!, le produit n × (n − 1) × … jusqu’au dernier facteur supérieur à zéro</translation>
    </message>
    <message>
        <source>nPr: the ordered selections of r out of n</source>
        <translation>nPr&#xa0;: le nombre d’arrangements de r éléments parmi n</translation>
    </message>
    <message>
        <source>nCr: the combinations of r out of n</source>
        <translation>nCr&#xa0;: le nombre de combinaisons de r éléments parmi n</translation>
    </message>
    <message>
        <source>2 Outcomes: the chance of exactly r successes in n trials, each with z equally likely outcomes of which w are favourable</source>
        <translation>2 Outcomes&#xa0;: la probabilité d’obtenir exactement r succès en n essais, chacun ayant z issues équiprobables dont w sont favorables</translation>
    </message>
    <message>
        <source>Every intermediate result is kept as the 15-digit text it shows, and the answers are the same, to the last digit, on every platform. Numbers follow the decimal separator and the digits of the user&apos;s locale.</source>
        <translation>Chaque résultat intermédiaire est conservé tel qu’il s’affiche, sous forme de texte à 15 chiffres, et les résultats sont identiques jusqu’au dernier chiffre sur toutes les plateformes. Les nombres s’écrivent avec le séparateur décimal et les chiffres des paramètres régionaux de l’utilisateur.</translation>
    </message>
</context>
<context>
    <name>combicalc::texts</name>
    <message>
        <source>Conversion error: %1 holds %2, which is not a number</source>
        <translation>Erreur de conversion&#xa0;: %1 contient %2, qui n’est pas un nombre</translation>
    </message>
    <message>
        <source>Conversion error: %1 holds %2, which is not a number: write the decimal separator as &quot;%3&quot;</source>
        <translation>Erreur de conversion&#xa0;: %1 contient %2, qui n’est pas un nombre&#x202f;; utilisez «&#x202f;%3&#x202f;» comme séparateur décimal</translation>
    </message>
    <message>
        <source>Too many digits: %1 holds %2, which has more than the 15 significant digits a box keeps, so the countdown would lose the rest: round it to 15 digits</source>
        <translation>Trop de chiffres&#xa0;: %1 contient %2, qui compte plus de chiffres significatifs que les 15 qu’un champ conserve&#x202f;; le décompte perdrait les chiffres en trop&#xa0;: arrondissez-le à 15 chiffres</translation>
    </message>
    <message>
        <source>Number too close to 0: %1 holds %2, which is nearer to 0 than the smallest number a box holds (about %3)</source>
        <translation>Nombre trop proche de 0&#xa0;: %1 contient %2, qui est plus proche de 0 que le plus petit nombre qu’un champ peut contenir (environ %3)</translation>
    </message>
    <message>
        <source>&quot;%1&quot;</source>
        <translation>«&#x202f;%1&#x202f;»</translation>
    </message>
    <message>
        <source>&quot;%1&quot; (%2 characters)</source>
        <translation>«&#x202f;%1&#x202f;» (%2 caractères)</translation>
    </message>
    <message>
        <source>Arithmetic fault: %1</source>
        <translation>Erreur arithmétique&#xa0;: %1</translation>
    </message>
    <message>
        <source>invalid operation</source>
        <translation>opération invalide</translation>
    </message>
    <message>
        <source>division by zero</source>
        <translation>division par zéro</translation>
    </message>
    <message>
        <source>overflow</source>
        <translation>dépassement de capacité</translation>
    </message>
    <message>
        <source>Countdown stopped: n is too large beside r for the countdown to go on (n − r rounds to n), so this result cannot be computed this way</source>
        <translation>Décompte interrompu&#xa0;: n est trop grand par rapport à r pour que le décompte puisse continuer (n − r, une fois arrondi, vaut n)&#x202f;; ce résultat ne peut donc pas être calculé de cette façon</translation>
    </message>
    <message>
        <source>Countdown stopped: n is too large for the countdown to go on (n − 1 rounds to n in the 15 digits a box keeps), so this result cannot be computed this way</source>
        <translation>Décompte interrompu&#xa0;: n est trop grand pour que le décompte puisse continuer (arrondi aux 15 chiffres qu’un champ conserve, n − 1 vaut n)&#x202f;; ce résultat ne peut donc pas être calculé de cette façon</translation>
    </message>
    <message>
        <source>Run not finished: the %1 countdown needs more than %2 passes, so Answer holds no result of this run</source>
        <translation>Calcul inachevé&#xa0;: le décompte en mode %1 nécessite plus de %2 étapes&#x202f;; le champ Answer ne contient donc aucun résultat de ce calcul</translation>
    </message>
    <message>
        <source>Run not finished: the %1 countdown needs more than %2 passes, so Answer holds the product after %2 passes, not the result</source>
        <translation>Calcul inachevé&#xa0;: le décompte en mode %1 nécessite plus de %2 étapes&#x202f;; le champ Answer contient donc le produit obtenu après %2 étapes, et non le résultat</translation>
    </message>
    <message>
        <source>the first input box</source>
        <translation>le premier champ de saisie</translation>
    </message>
    <message>
        <source>the second input box</source>
        <translation>le deuxième champ de saisie</translation>
    </message>
    <message>
        <source>the third input box</source>
        <translation>le troisième champ de saisie</translation>
    </message>
    <message>
        <source>the fourth input box</source>
        <translation>le quatrième champ de saisie</translation>
    </message>
    <message>
        <source>the Answer box</source>
        <translation>le champ Answer</translation>
    </message>
    <message>
        <source>a hidden working box (Text1)</source>
        <translation>un champ de travail masqué (Text1)</translation>
    </message>
    <message>
        <source>a hidden working box (Text2)</source>
        <translation>un champ de travail masqué (Text2)</translation>
    </message>
    <message>
        <source>a hidden working box (Text3)</source>
        <translation>un champ de travail masqué (Text3)</translation>
    </message>
    <message>
        <source>n: the number whose factorial is taken (Factorial), the number of items (nPr, nCr) or of trials (2 Outcomes)</source>
        <translation>n&#xa0;: le nombre dont on calcule la factorielle (Factorial), le nombre d’éléments (nPr, nCr) ou d’essais (2 Outcomes)</translation>
    </message>
    <message>
        <source>r: how many items are chosen (nPr, nCr), or how many of the trials succeed (2 Outcomes)</source>
        <translation>r&#xa0;: combien d’éléments sont choisis (nPr, nCr) ou combien d’essais réussissent (2 Outcomes)</translation>
    </message>
    <message>
        <source>2 Outcomes: how many equally likely outcomes one trial has</source>
        <translation>2 Outcomes&#xa0;: combien d’issues équiprobables compte un essai</translation>
    </message>
    <message>
        <source>2 Outcomes: how many of those outcomes are favourable</source>
        <translation>2 Outcomes&#xa0;: combien de ces issues sont favorables</translation>
    </message>
    <message>
        <source>The result of the last run</source>
        <translation>Le résultat du dernier calcul</translation>
    </message>
    <message>
        <source>Answer %1</source>
        <translation>Answer&#xa0;: %1</translation>
    </message>
    <message>
        <source>No new answer: Answer still shows %1</source>
        <translation>Pas de nouveau résultat&#xa0;: le champ Answer affiche toujours %1</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Mode</translation>
    </message>
    <message>
        <source>Error report</source>
        <translation>Message d’erreur</translation>
    </message>
    <message>
        <source>Overflow: a product of the countdown passed the largest number a box holds (about %1), so this result cannot be computed this way</source>
        <translation>Dépassement de capacité&#xa0;: un produit intermédiaire du décompte a dépassé le plus grand nombre qu’un champ peut contenir (environ %1)&#x202f;; ce résultat ne peut donc pas être calculé de cette façon</translation>
    </message>
    <message>
        <source>Control call error: could not read the text of %1</source>
        <translation>Erreur lors de l’appel d’un contrôle&#xa0;: impossible de lire le texte de %1</translation>
    </message>
    <message>
        <source>Control call error: could not set the text of %1</source>
        <translation>Erreur lors de l’appel d’un contrôle&#xa0;: impossible de définir le texte de %1</translation>
    </message>
    <message>
        <source>Control call error: could not read the state of %1</source>
        <translation>Erreur lors de l’appel d’un contrôle&#xa0;: impossible de lire l’état de %1</translation>
    </message>
    <message>
        <source>Control call error: could not show or hide %1</source>
        <translation>Erreur lors de l’appel d’un contrôle&#xa0;: impossible d’afficher ou de masquer %1</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
</TS>
