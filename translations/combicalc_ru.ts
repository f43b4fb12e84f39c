<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>combicalc::metadata</name>
    <message>
        <source>Combinatorics Calculator</source>
        <translation>Комбинаторный калькулятор</translation>
    </message>
    <message>
        <source>Factorials, permutations, combinations and two-outcome probabilities</source>
        <translation>Факториалы, размещения, сочетания и вероятности в испытаниях с двумя исходами</translation>
    </message>
    <message>
        <source>combinatorics;factorial;permutation;combination;probability;binomial;nPr;nCr;</source>
        <translation>комбинаторика;факториал;перестановка;размещение;сочетание;вероятность;бином;nPr;nCr;</translation>
    </message>
    <message>
        <source>Calculator for combinatorics exercises</source>
        <translation>Калькулятор для задач по комбинаторике</translation>
    </message>
    <message>
        <source>A small calculator for combinatorics exercises. Pick a mode, type the numbers into the boxes it shows, press START and read the result in the Answer box. Four modes compute:</source>
        <translation>Небольшой калькулятор для задач по комбинаторике. Выберите режим, введите числа в появившиеся поля, нажмите START и прочитайте результат в поле Answer. Доступны четыре режима:</translation>
    </message>
    <message>
        <source>Factorial: n!, the product n × (n − 1) × … down to the last factor above zero</source>
        <translation>Factorial: n!, то есть произведение n × (n − 1) × … вплоть до последнего множителя больше нуля</translation>
    </message>
    <message>
        <source>nPr: the ordered selections of r out of n</source>
        <translation>nPr: упорядоченные выборки r элементов из n (размещения)</translation>
    </message>
    <message>
        <source>nCr: the combinations of r out of n</source>
        <translation>nCr: сочетания из n элементов по r</translation>
    </message>
    <message>
        <source>2 Outcomes: the chance of exactly r successes in n trials, each with z equally likely outcomes of which w are favourable</source>
        <translation>2 Outcomes: вероятность ровно r успехов в n испытаниях, в каждом из которых z равновозможных исходов, из них w благоприятных</translation>
    </message>
    <message>
        <source>Every intermediate result is kept as the 15-digit text it shows, and the answers are the same, to the last digit, on every platform. Numbers follow the decimal separator and the digits of the user&apos;s locale.</source>
        <translation>Каждый промежуточный результат хранится в виде того 15-значного текста, который отображается, а ответы совпадают до последней цифры на любой платформе. Числа записываются с десятичным разделителем и цифрами, принятыми в региональных настройках пользователя.</translation>
    </message>
</context>
<context>
    <name>combicalc::texts</name>
    <message>
        <source>Conversion error: %1 holds %2, which is not a number</source>
        <translation>Ошибка преобразования: %1 содержит %2, а это не число</translation>
    </message>
    <message>
        <source>Conversion error: %1 holds %2, which is not a number: write the decimal separator as &quot;%3&quot;</source>
        <translation>Ошибка преобразования: %1 содержит %2, а это не число — используйте в качестве десятичного разделителя знак «%3»</translation>
    </message>
    <message>
        <source>Too many digits: %1 holds %2, which has more than the 15 significant digits a box keeps, so the countdown would lose the rest: round it to 15 digits</source>
        <translation>Слишком много цифр: %1 содержит %2, а в этом числе больше 15 значащих цифр, тогда как поле хранит только 15, поэтому при обратном отсчёте лишние были бы потеряны: округлите его до 15 цифр</translation>
    </message>
    <message>
        <source>Number too close to 0: %1 holds %2, which is nearer to 0 than the smallest number a box holds (about %3)</source>
        <translation>Число слишком близко к 0: %1 содержит %2, а это число ближе к 0, чем наименьшее число, которое может вместить поле (около %3)</translation>
    </message>
    <message>
        <source>&quot;%1&quot;</source>
        <translation>«%1»</translation>
    </message>
    <message>
        <source>&quot;%1&quot; (%2 characters)</source>
        <translation>«%1» (всего символов: %2)</translation>
    </message>
    <message>
        <source>Arithmetic fault: %1</source>
        <translation>Арифметическая ошибка: %1</translation>
    </message>
    <message>
        <source>invalid operation</source>
        <translation>недопустимая операция</translation>
    </message>
    <message>
        <source>division by zero</source>
        <translation>деление на ноль</translation>
    </message>
    <message>
        <source>overflow</source>
        <translation>переполнение</translation>
    </message>
    <message>
        <source>Overflow: a product of the countdown passed the largest number a box holds (about %1), so this result cannot be computed this way</source>
        <translation>Переполнение: произведение при обратном отсчёте превысило наибольшее число, которое может вместить поле (около %1), поэтому этот результат таким способом вычислить нельзя</translation>
    </message>
    <message>
        <source>Countdown stopped: n is too large beside r for the countdown to go on (n − r rounds to n), so this result cannot be computed this way</source>
        <translation>Обратный отсчёт остановлен: число n слишком велико по сравнению с r, и отсчёт не может продолжаться (n − r округляется до n), поэтому этот результат таким способом вычислить нельзя</translation>
    </message>
    <message>
        <source>Countdown stopped: n is too large for the countdown to go on (n − 1 rounds to n in the 15 digits a box keeps), so this result cannot be computed this way</source>
        <translation>Обратный отсчёт остановлен: число n слишком велико, и отсчёт не может продолжаться (при 15 цифрах, которые хранит поле, n − 1 округляется до n), поэтому этот результат таким способом вычислить нельзя</translation>
    </message>
    <message>
        <source>Run not finished: the %1 countdown needs more than %2 passes, so Answer holds no result of this run</source>
        <translation>Расчёт не завершён: обратному отсчёту в режиме %1 требуется больше %2 шагов, поэтому в поле Answer нет результата этого расчёта</translation>
    </message>
    <message>
        <source>Run not finished: the %1 countdown needs more than %2 passes, so Answer holds the product after %2 passes, not the result</source>
        <translation>Расчёт не завершён: обратному отсчёту в режиме %1 требуется больше %2 шагов, поэтому в поле Answer находится произведение после %2 шагов, а не результат</translation>
    </message>
    <message>
        <source>Control call error: could not read the text of %1</source>
        <translation>Ошибка обращения к элементу управления: не удалось прочитать текст элемента %1</translation>
    </message>
    <message>
        <source>Control call error: could not set the text of %1</source>
        <translation>Ошибка обращения к элементу управления: не удалось задать текст элемента %1</translation>
    </message>
    <message>
        <source>Control call error: could not read the state of %1</source>
        <translation>Ошибка обращения к элементу управления: не удалось прочитать состояние элемента %1</translation>
    </message>
    <message>
        <source>Control call error: could not show or hide %1</source>
        <translation>Ошибка обращения к элементу управления: не удалось показать или скрыть элемент %1</translation>
    </message>
    <message>
        <source>the first input box</source>
        <translation>первое поле ввода</translation>
    </message>
    <message>
        <source>the second input box</source>
        <translation>второе поле ввода</translation>
    </message>
    <message>
        <source>the third input box</source>
        <translation>третье поле ввода</translation>
    </message>
    <message>
        <source>the fourth input box</source>
        <translation>четвёртое поле ввода</translation>
    </message>
    <message>
        <source>the Answer box</source>
        <translation>поле Answer</translation>
    </message>
    <message>
        <source>a hidden working box (Text1)</source>
        <translation>скрытое рабочее поле (Text1)</translation>
    </message>
    <message>
        <source>a hidden working box (Text2)</source>
        <translation>скрытое рабочее поле (Text2)</translation>
    </message>
    <message>
        <source>a hidden working box (Text3)</source>
        <translation>скрытое рабочее поле (Text3)</translation>
    </message>
    <message>
        <source>n: the number whose factorial is taken (Factorial), the number of items (nPr, nCr) or of trials (2 Outcomes)</source>
        <translation>n: число, факториал которого вычисляется (Factorial), число элементов (nPr, nCr) или число испытаний (2 Outcomes)</translation>
    </message>
    <message>
        <source>r: how many items are chosen (nPr, nCr), or how many of the trials succeed (2 Outcomes)</source>
        <translation>r: сколько элементов выбирается (nPr, nCr) или сколько испытаний заканчивается успехом (2 Outcomes)</translation>
    </message>
    <message>
        <source>2 Outcomes: how many equally likely outcomes one trial has</source>
        <translation>2 Outcomes: сколько равновозможных исходов у одного испытания</translation>
    </message>
    <message>
        <source>2 Outcomes: how many of those outcomes are favourable</source>
        <translation>2 Outcomes: сколько из этих исходов благоприятны</translation>
    </message>
    <message>
        <source>The result of the last run</source>
        <translation>Результат последнего расчёта</translation>
    </message>
    <message>
        <source>Answer %1</source>
        <translation>Answer: %1</translation>
    </message>
    <message>
        <source>No new answer: Answer still shows %1</source>
        <translation>Нового результата нет: в поле Answer по-прежнему %1</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Режим</translation>
    </message>
    <message>
        <source>Error report</source>
        <translation>Сообщение об ошибке</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
</TS>
