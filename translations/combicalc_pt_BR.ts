<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>combicalc::metadata</name>
    <message>
        <source>Combinatorics Calculator</source>
        <translation>Calculadora de análise combinatória</translation>
    </message>
    <message>
        <source>Factorials, permutations, combinations and two-outcome probabilities</source>
        <translation>Fatoriais, permutações, combinações e probabilidades com dois resultados possíveis</translation>
    </message>
    <message>
        <source>combinatorics;factorial;permutation;combination;probability;binomial;nPr;nCr;</source>
        <translation>análise combinatória;fatorial;permutação;combinação;probabilidade;binomial;nPr;nCr;</translation>
    </message>
    <message>
        <source>Calculator for combinatorics exercises</source>
        <translation>Calculadora para exercícios de análise combinatória</translation>
    </message>
    <message>
        <source>A small calculator for combinatorics exercises. Pick a mode, type the numbers into the boxes it shows, press START and read the result in the Answer box. Four modes compute:</source>
        <translation>Uma pequena calculadora para exercícios de análise combinatória. Escolha um modo, digite os números nos campos que aparecem, clique em START e leia o resultado no campo Answer. Há quatro modos de cálculo:</translation>
    </message>
    <message>
        <source>Factorial: n!, the product n × (n − 1) × … down to the last factor above zero</source>
        <translation>Factorial: n!, o produto n × (n − 1) × … até o último fator maior que zero</translation>
    </message>
    <message>
        <source>nPr: the ordered selections of r out of n</source>
        <translation>nPr: as seleções ordenadas (arranjos) de r elementos escolhidos entre n</translation>
    </message>
    <message>
        <source>nCr: the combinations of r out of n</source>
        <translation>nCr: as combinações de r elementos escolhidos entre n</translation>
    </message>
    <message>
        <source>2 Outcomes: the chance of exactly r successes in n trials, each with z equally likely outcomes of which w are favourable</source>
        <translation>2 Outcomes: a probabilidade de obter exatamente r sucessos em n tentativas, cada uma com z resultados equiprováveis, dos quais w são favoráveis</translation>
    </message>
    <message>
        <source>Every intermediate result is kept as the 15-digit text it shows, and the answers are the same, to the last digit, on every platform. Numbers follow the decimal separator and the digits of the user&apos;s locale.</source>
        <translation>Cada resultado intermediário é armazenado exatamente como é exibido, ou seja, como texto de 15 algarismos, e os resultados são idênticos, até o último algarismo, em todas as plataformas. Os números seguem o separador decimal e os algarismos das configurações regionais do usuário.</translation>
    </message>
</context>
<context>
    <name>combicalc::texts</name>
    <message>
        <source>Conversion error: %1 holds %2, which is not a number</source>
        <translation>Erro de conversão: %1 contém %2, que não é um número</translation>
    </message>
    <message>
        <source>Conversion error: %1 holds %2, which is not a number: write the decimal separator as &quot;%3&quot;</source>
        <translation>Erro de conversão: %1 contém %2, que não é um número; use “%3” como separador decimal</translation>
    </message>
    <message>
        <source>Too many digits: %1 holds %2, which has more than the 15 significant digits a box keeps, so the countdown would lose the rest: round it to 15 digits</source>
        <translation>Algarismos demais: %1 contém %2, que tem mais do que os 15 algarismos significativos que um campo guarda, por isso a contagem regressiva perderia o restante: arredonde-o para 15 algarismos</translation>
    </message>
    <message>
        <source>Number too close to 0: %1 holds %2, which is nearer to 0 than the smallest number a box holds (about %3)</source>
        <translation>Número próximo demais de 0: %1 contém %2, que está mais perto de 0 do que o menor número que cabe em um campo (cerca de %3)</translation>
    </message>
    <message>
        <source>&quot;%1&quot;</source>
        <translation>“%1”</translation>
    </message>
    <message>
        <source>&quot;%1&quot; (%2 characters)</source>
        <translation>“%1” (%2 caracteres)</translation>
    </message>
    <message>
        <source>Arithmetic fault: %1</source>
        <translation>Erro aritmético: %1</translation>
    </message>
    <message>
        <source>invalid operation</source>
        <translation>operação inválida</translation>
    </message>
    <message>
        <source>division by zero</source>
        <translation>divisão por zero</translation>
    </message>
    <message>
        <source>overflow</source>
        <translation>estouro de capacidade</translation>
    </message>
    <message>
        <source>Countdown stopped: n is too large beside r for the countdown to go on (n − r rounds to n), so this result cannot be computed this way</source>
        <translation>Contagem regressiva interrompida: n é grande demais em relação a r para que a contagem regressiva continue (n − r é arredondado para n), por isso este resultado não pode ser calculado dessa forma</translation>
    </message>
    <message>
        <source>Countdown stopped: n is too large for the countdown to go on (n − 1 rounds to n in the 15 digits a box keeps), so this result cannot be computed this way</source>
        <translation>Contagem regressiva interrompida: n é grande demais para que a contagem regressiva continue (com os 15 algarismos que um campo guarda, n − 1 é arredondado para n), por isso este resultado não pode ser calculado dessa forma</translation>
    </message>
    <message>
        <source>Run not finished: the %1 countdown needs more than %2 passes, so Answer holds no result of this run</source>
        <translation>Cálculo não concluído: a contagem regressiva do modo %1 precisa de mais de %2 passos, por isso o campo Answer não contém nenhum resultado deste cálculo</translation>
    </message>
    <message>
        <source>Run not finished: the %1 countdown needs more than %2 passes, so Answer holds the product after %2 passes, not the result</source>
        <translation>Cálculo não concluído: a contagem regressiva do modo %1 precisa de mais de %2 passos, por isso o campo Answer contém o produto após %2 passos, e não o resultado</translation>
    </message>
    <message>
        <source>the first input box</source>
        <translation>o primeiro campo de entrada</translation>
    </message>
    <message>
        <source>the second input box</source>
        <translation>o segundo campo de entrada</translation>
    </message>
    <message>
        <source>the third input box</source>
        <translation>o terceiro campo de entrada</translation>
    </message>
    <message>
        <source>the fourth input box</source>
        <translation>o quarto campo de entrada</translation>
    </message>
    <message>
        <source>the Answer box</source>
        <translation>o campo Answer</translation>
    </message>
    <message>
        <source>a hidden working box (Text1)</source>
        <translation>um campo de trabalho oculto (Text1)</translation>
    </message>
    <message>
        <source>a hidden working box (Text2)</source>
        <translation>um campo de trabalho oculto (Text2)</translation>
    </message>
    <message>
        <source>a hidden working box (Text3)</source>
        <translation>um campo de trabalho oculto (Text3)</translation>
    </message>
    <message>
        <source>n: the number whose factorial is taken (Factorial), the number of items (nPr, nCr) or of trials (2 Outcomes)</source>
        <translation>n: o número cujo fatorial é calculado (Factorial), o número de elementos (nPr, nCr) ou de tentativas (2 Outcomes)</translation>
    </message>
    <message>
        <source>r: how many items are chosen (nPr, nCr), or how many of the trials succeed (2 Outcomes)</source>
        <translation>r: quantos elementos são escolhidos (nPr, nCr) ou quantas das tentativas resultam em sucesso (2 Outcomes)</translation>
    </message>
    <message>
        <source>2 Outcomes: how many equally likely outcomes one trial has</source>
        <translation>2 Outcomes: quantos resultados equiprováveis tem cada tentativa</translation>
    </message>
    <message>
        <source>2 Outcomes: how many of those outcomes are favourable</source>
        <translation>2 Outcomes: quantos desses resultados são favoráveis</translation>
    </message>
    <message>
        <source>The result of the last run</source>
        <translation>O resultado do último cálculo</translation>
    </message>
    <message>
        <source>Answer %1</source>
        <translation>Answer: %1</translation>
    </message>
    <message>
        <source>No new answer: Answer still shows %1</source>
        <translation>Nenhum resultado novo: o campo Answer ainda mostra %1</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Modo</translation>
    </message>
    <message>
        <source>Error report</source>
        <translation>Relatório de erro</translation>
    </message>
    <message>
        <source>Overflow: a product of the countdown passed the largest number a box holds (about %1), so this result cannot be computed this way</source>
        <translation>Estouro de capacidade: um produto da contagem regressiva ultrapassou o maior número que cabe em um campo (cerca de %1), por isso este resultado não pode ser calculado dessa forma</translation>
    </message>
    <message>
        <source>Control call error: could not read the text of %1</source>
        <translation>Erro de chamada ao controle: não foi possível ler o texto de %1</translation>
    </message>
    <message>
        <source>Control call error: could not set the text of %1</source>
        <translation>Erro de chamada ao controle: não foi possível definir o texto de %1</translation>
    </message>
    <message>
        <source>Control call error: could not read the state of %1</source>
        <translation>Erro de chamada ao controle: não foi possível ler o estado de %1</translation>
    </message>
    <message>
        <source>Control call error: could not show or hide %1</source>
        <translation>Erro de chamada ao controle: não foi possível mostrar ou ocultar %1</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
</TS>
