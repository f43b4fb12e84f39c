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
        <translation>Factoriales, permutaciones, combinaciones y probabilidades con dos resultados posibles</translation>
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
        <translation>Una pequeña calculadora para ejercicios de combinatoria. Elija un modo, escriba los números en los campos que aparecen, pulse START y lea el resultado en el campo Answer. Hay cuatro modos de cálculo:</translation>
    </message>
    <message>
        <source>Factorial: n!, the product n × (n − 1) × … down to the last factor above zero</source>
        <translation>Factorial: n!, el producto n × (n − 1) × … hasta el último factor mayor que cero</translation>
    </message>
    <message>
        <source>nPr: the ordered selections of r out of n</source>
        <translation>nPr: las selecciones ordenadas de r elementos elegidos entre n</translation>
    </message>
    <message>
        <source>nCr: the combinations of r out of n</source>
        <translation>nCr: las combinaciones de r elementos elegidos entre n</translation>
    </message>
    <message>
        <source>2 Outcomes: the chance of exactly r successes in n trials, each with z equally likely outcomes of which w are favourable</source>
        <translation>2 Outcomes: la probabilidad de obtener exactamente r éxitos en n ensayos, cada uno con z resultados equiprobables, de los cuales w son favorables</translation>
    </message>
    <message>
        <source>Every intermediate result is kept as the 15-digit text it shows, and the answers are the same, to the last digit, on every platform. Numbers follow the decimal separator and the digits of the user&apos;s locale.</source>
        <translation>Cada resultado intermedio se guarda tal como se muestra, es decir, como texto de 15 cifras, y los resultados son idénticos, hasta la última cifra, en todas las plataformas. Los números usan el separador decimal y las cifras de la configuración regional del usuario.</translation>
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
        <translation>Error de conversión: %1 contiene %2, que no es un número; use «%3» como separador decimal</translation>
    </message>
    <message>
        <source>Too many digits: %1 holds %2, which has more than the 15 significant digits a box keeps, so the countdown would lose the rest: round it to 15 digits</source>
        <translation>Demasiadas cifras: %1 contiene %2, que tiene más de las 15 cifras significativas que guarda un campo, por lo que la cuenta atrás perdería el resto: redondéelo a 15 cifras</translation>
    </message>
    <message>
        <source>Number too close to 0: %1 holds %2, which is nearer to 0 than the smallest number a box holds (about %3)</source>
        <translation>Número demasiado cercano a 0: %1 contiene %2, que está más cerca de 0 que el menor número que cabe en un campo (aproximadamente %3)</translation>
    </message>
    <message>
        <source>&quot;%1&quot;</source>
        <translation>«%1»</translation>
    </message>
    <message>
        <source>&quot;%1&quot; (%2 characters)</source>
        <translation>«%1» (%2 caracteres)</translation>
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
        <translation>Cuenta atrás detenida: n es demasiado grande frente a r para que la cuenta atrás continúe (n − r se redondea a n), por lo que este resultado no puede calcularse de este modo</translation>
    </message>
    <message>
        <source>Countdown stopped: n is too large for the countdown to go on (n − 1 rounds to n in the 15 digits a box keeps), so this result cannot be computed this way</source>
        <translation>Cuenta atrás detenida: n es demasiado grande para que la cuenta atrás continúe (con las 15 cifras que guarda un campo, n − 1 se redondea a n), por lo que este resultado no puede calcularse de este modo</translation>
    </message>
    <message>
        <source>Run not finished: the %1 countdown needs more than %2 passes, so Answer holds no result of this run</source>
        <translation>Cálculo sin terminar: la cuenta atrás del modo %1 necesita más de %2 pasos, por lo que el campo Answer no contiene ningún resultado de este cálculo</translation>
    </message>
    <message>
        <source>Run not finished: the %1 countdown needs more than %2 passes, so Answer holds the product after %2 passes, not the result</source>
        <translation>Cálculo sin terminar: la cuenta atrás del modo %1 necesita más de %2 pasos, por lo que el campo Answer contiene el producto tras %2 pasos, no el resultado</translation>
    </message>
    <message>
        <source>the first input box</source>
        <translation>el primer campo de entrada</translation>
    </message>
    <message>
        <source>the second input box</source>
        <translation>el segundo campo de entrada</translation>
    </message>
    <message>
        <source>the third input box</source>
        <translation>el tercer campo de entrada</translation>
    </message>
    <message>
        <source>the fourth input box</source>
        <translation>el cuarto campo de entrada</translation>
    </message>
    <message>
        <source>the Answer box</source>
        <translation>el campo Answer</translation>
    </message>
    <message>
        <source>a hidden working box (Text1)</source>
        <translation>un campo de trabajo oculto (Text1)</translation>
    </message>
    <message>
        <source>a hidden working box (Text2)</source>
        <translation>un campo de trabajo oculto (Text2)</translation>
    </message>
    <message>
        <source>a hidden working box (Text3)</source>
        <translation>un campo de trabajo oculto (Text3)</translation>
    </message>
    <message>
        <source>n: the number whose factorial is taken (Factorial), the number of items (nPr, nCr) or of trials (2 Outcomes)</source>
        <translation>n: el número cuyo factorial se calcula (Factorial), el número de elementos (nPr, nCr) o de ensayos (2 Outcomes)</translation>
    </message>
    <message>
        <source>r: how many items are chosen (nPr, nCr), or how many of the trials succeed (2 Outcomes)</source>
        <translation>r: cuántos elementos se eligen (nPr, nCr) o cuántos de los ensayos tienen éxito (2 Outcomes)</translation>
    </message>
    <message>
        <source>2 Outcomes: how many equally likely outcomes one trial has</source>
        <translation>2 Outcomes: cuántos resultados equiprobables tiene cada ensayo</translation>
    </message>
    <message>
        <source>2 Outcomes: how many of those outcomes are favourable</source>
        <translation>2 Outcomes: cuántos de esos resultados son favorables</translation>
    </message>
    <message>
        <source>The result of the last run</source>
        <translation>El resultado del último cálculo</translation>
    </message>
    <message>
        <source>Answer %1</source>
        <translation>Answer: %1</translation>
    </message>
    <message>
        <source>No new answer: Answer still shows %1</source>
        <translation>No hay ningún resultado nuevo: el campo Answer sigue mostrando %1</translation>
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
        <translation>Desbordamiento: un producto de la cuenta atrás superó el mayor número que cabe en un campo (aproximadamente %1), por lo que este resultado no puede calcularse de este modo</translation>
    </message>
    <message>
        <source>Control call error: could not read the text of %1</source>
        <translation>Error de llamada al control: no se pudo leer el texto de %1</translation>
    </message>
    <message>
        <source>Control call error: could not set the text of %1</source>
        <translation>Error de llamada al control: no se pudo establecer el texto de %1</translation>
    </message>
    <message>
        <source>Control call error: could not read the state of %1</source>
        <translation>Error de llamada al control: no se pudo leer el estado de %1</translation>
    </message>
    <message>
        <source>Control call error: could not show or hide %1</source>
        <translation>Error de llamada al control: no se pudo mostrar u ocultar %1</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
</TS>
