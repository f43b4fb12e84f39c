<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>combicalc::metadata</name>
    <message>
        <source>Combinatorics Calculator</source>
        <translation>Calculadora de combinatoria</translation>
    </message>
    <message>
        <source>Factorials, permutations, combinations and two-outcome probabilities</source>
        <translation>Factoriales, permutaciones, combinaciones y probabilidades de dos resultados</translation>
    </message>
    <message>
        <source>combinatorics;factorial;permutation;combination;probability;binomial;nPr;nCr;</source>
        <translation>combinatoria;factorial;permutación;combinación;probabilidad;binomial;nPr;nCr;</translation>
    </message>
    <message>
        <source>Calculator for combinatorics exercises</source>
        <translation>Calculadora para ejercicios de combinatoria</translation>
    </message>
    <message>
        <source>A small calculator for combinatorics exercises. Pick a mode, type the numbers into the boxes it shows, press START and read the result in the Answer box. Four modes compute:</source>
        <translation>Una pequeña calculadora para ejercicios de combinatoria. Elija un modo, escriba los números en las casillas que muestra, pulse START y lea el resultado en la casilla Answer. Cuatro modos calculan:</translation>
    </message>
    <message>
        <source>Factorial: n!, the product n × (n − 1) × … down to the last factor above zero</source>
        <translation>Factorial: n!, el producto n × (n − 1) × … hasta el último factor mayor que cero</translation>
    </message>
    <message>
        <source>nPr: the ordered selections of r out of n</source>
        <translation>nPr: las selecciones ordenadas de r entre n</translation>
    </message>
    <message>
        <source>nCr: the combinations of r out of n</source>
        <translation>nCr: las combinaciones de r entre n</translation>
    </message>
    <message>
        <source>2 Outcomes: the chance of exactly r successes in n trials, each with z equally likely outcomes of which w are favourable</source>
        <translation>2 Outcomes: la probabilidad de exactamente r éxitos en n ensayos, cada uno con z resultados igualmente probables de los que w son favorables</translation>
    </message>
    <message>
        <source>Every intermediate result is kept as the 15-digit text it shows, and the answers are the same, to the last digit, on every platform. Numbers follow the decimal separator and the digits of the user&apos;s locale.</source>
        <translation>Cada resultado intermedio se guarda como el texto de 15 cifras que muestra, y los resultados son los mismos, hasta la última cifra, en todas las plataformas. Los números siguen el separador decimal y las cifras de la configuración regional.</translation>
    </message>
</context>
<context>
    <name>combicalc::texts</name>
    <message>
        <source>Conversion error: %1 holds %2, which is not a number</source>
        <translation>Error de conversión: %1 contiene %2, que no es un número</translation>
    </message>
    <message>
        <source>Conversion error: %1 holds %2, which is not a number: write the decimal separator as &quot;%3&quot;</source>
        <translation>Error de conversión: %1 contiene %2, que no es un número: escriba el separador decimal como «%3»</translation>
    </message>
    <message>
        <source>&quot;%1&quot;</source>
        <translation>«%1»</translation>
    </message>
    <message>
        <source>&quot;%1…&quot; (%2 characters)</source>
        <translation>«%1…» (%2 caracteres)</translation>
    </message>
    <message>
        <source>Arithmetic fault: %1</source>
        <translation>Error aritmético: %1</translation>
    </message>
    <message>
        <source>invalid operation</source>
        <translation>operación no válida</translation>
    </message>
    <message>
        <source>division by zero</source>
        <translation>división por cero</translation>
    </message>
    <message>
        <source>overflow</source>
        <translation>desbordamiento</translation>
    </message>
    <message>
        <source>Countdown stopped: n is too large beside r for the countdown to go on (n − r rounds to n), so this result cannot be computed this way</source>
        <translation>Cuenta atrás detenida: n es demasiado grande frente a r para que la cuenta atrás continúe (n − r se redondea a n), así que este resultado no puede calcularse de este modo</translation>
    </message>
    <message>
        <source>Run not finished: the %1 countdown needs more than %2 passes, so Answer holds no result of this run</source>
        <translation>Ejecución sin terminar: la cuenta atrás de %1 necesita más de %2 pasadas, así que Answer no contiene ningún resultado de esta ejecución</translation>
    </message>
    <message>
        <source>Run not finished: the %1 countdown needs more than %2 passes, so Answer holds the product after %2 passes, not the result</source>
        <translation>Ejecución sin terminar: la cuenta atrás de %1 necesita más de %2 pasadas, así que Answer contiene el producto tras %2 pasadas, no el resultado</translation>
    </message>
    <message>
        <source>the first input box</source>
        <translation>la primera casilla de entrada</translation>
    </message>
    <message>
        <source>the second input box</source>
        <translation>la segunda casilla de entrada</translation>
    </message>
    <message>
        <source>the third input box</source>
        <translation>la tercera casilla de entrada</translation>
    </message>
    <message>
        <source>the fourth input box</source>
        <translation>la cuarta casilla de entrada</translation>
    </message>
    <message>
        <source>the Answer box</source>
        <translation>la casilla Answer</translation>
    </message>
    <message>
        <source>a hidden working box (Text1)</source>
        <translation>una casilla de trabajo oculta (Text1)</translation>
    </message>
    <message>
        <source>a hidden working box (Text2)</source>
        <translation>una casilla de trabajo oculta (Text2)</translation>
    </message>
    <message>
        <source>a hidden working box (Text3)</source>
        <translation>una casilla de trabajo oculta (Text3)</translation>
    </message>
    <message>
        <source>n: the number whose factorial is taken (Factorial), the number of items (nPr, nCr) or of trials (2 Outcomes)</source>
        <translation>n: el número cuyo factorial se calcula (Factorial), el número de elementos (nPr, nCr) o de ensayos (2 Outcomes)</translation>
    </message>
    <message>
        <source>r: how many items are chosen (nPr, nCr), or how many of the trials succeed (2 Outcomes)</source>
        <translation>r: cuántos elementos se eligen (nPr, nCr), o cuántos de los ensayos tienen éxito (2 Outcomes)</translation>
    </message>
    <message>
        <source>2 Outcomes: how many equally likely outcomes one trial has</source>
        <translation>2 Outcomes: cuántos resultados igualmente probables tiene un ensayo</translation>
    </message>
    <message>
        <source>2 Outcomes: how many of those outcomes are favourable</source>
        <translation>2 Outcomes: cuántos de esos resultados son favorables</translation>
    </message>
    <message>
        <source>The result of the last run</source>
        <translation>El resultado de la última ejecución</translation>
    </message>
    <message>
        <source>Answer %1</source>
        <translation>Answer: %1</translation>
    </message>
    <message>
        <source>No new answer: Answer still shows %1</source>
        <translation>Ningún resultado nuevo: Answer sigue mostrando %1</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Modo</translation>
    </message>
    <message>
        <source>Error report</source>
        <translation>Informe de error</translation>
    </message>
    <message>
        <source>Overflow: a product of the countdown passed the largest number a box holds (about %1), so this result cannot be computed this way</source>
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
</context>
</TS>
