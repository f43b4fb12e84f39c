<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>combicalc::metadata</name>
    <message>
        <source>Combinatorics Calculator</source>
        <translation>排列组合计算器</translation>
    </message>
    <message>
        <source>Factorials, permutations, combinations and two-outcome probabilities</source>
        <translation>阶乘、排列、组合及独立重复试验的概率</translation>
    </message>
    <message>
        <source>combinatorics;factorial;permutation;combination;probability;binomial;nPr;nCr;</source>
        <translation>组合数学;排列组合;阶乘;排列;组合;概率;二项分布;nPr;nCr;</translation>
    </message>
    <message>
        <source>Calculator for combinatorics exercises</source>
        <translation>排列组合习题计算器</translation>
    </message>
    <message>
        <source>A small calculator for combinatorics exercises. Pick a mode, type the numbers into the boxes it shows, press START and read the result in the Answer box. Four modes compute:</source>
        <translation>一款用于排列组合习题的小型计算器。选择一种模式，在该模式显示的输入框中输入数字，按 START，然后在 Answer 框中查看结果。可以计算的模式有以下四种：</translation>
    </message>
    <message>
        <source>Factorial: n!, the product n × (n − 1) × … down to the last factor above zero</source>
        <translation>Factorial：n!，即乘积 n × (n − 1) × …，一直乘到最后一个大于零的因数</translation>
    </message>
    <message>
        <source>nPr: the ordered selections of r out of n</source>
        <translation>nPr：从 n 个不同元素中取出 r 个元素的排列数</translation>
    </message>
    <message>
        <source>nCr: the combinations of r out of n</source>
        <translation>nCr：从 n 个不同元素中取出 r 个元素的组合数</translation>
    </message>
    <message>
        <source>2 Outcomes: the chance of exactly r successes in n trials, each with z equally likely outcomes of which w are favourable</source>
        <translation>2 Outcomes：n 次试验中恰好成功 r 次的概率，每次试验有 z 个等可能的结果，其中 w 个算作成功</translation>
    </message>
    <message>
        <source>Every intermediate result is kept as the 15-digit text it shows, and the answers are the same, to the last digit, on every platform. Numbers follow the decimal separator and the digits of the user&apos;s locale.</source>
        <translation>每个中间结果都按其显示的 15 位数字文本保存，因此最终结果在任何平台上都完全一致，精确到最后一位。数字采用用户区域设置中的小数点和数字字符。</translation>
    </message>
</context>
<context>
    <name>combicalc::texts</name>
    <message>
        <source>Conversion error: %1 holds %2, which is not a number</source>
        <translation>转换错误：%1中的内容%2不是数字</translation>
    </message>
    <message>
        <source>Conversion error: %1 holds %2, which is not a number: write the decimal separator as &quot;%3&quot;</source>
        <translation>转换错误：%1中的内容%2不是数字；请用“%3”作小数点</translation>
    </message>
    <message>
        <source>Too many digits: %1 holds %2, which has more than the 15 significant digits a box keeps, so the countdown would lose the rest: round it to 15 digits</source>
        <translation>位数过多：%1中的内容%2的有效数字超过了框所保留的 15 位，递减连乘会丢失多出的位数；请将它舍入到 15 位</translation>
    </message>
    <message>
        <source>Number too close to 0: %1 holds %2, which is nearer to 0 than the smallest number a box holds (about %3)</source>
        <translation>数字过于接近 0：%1中的内容%2比框所能容纳的最小数（约 %3）更接近 0</translation>
    </message>
    <message>
        <source>&quot;%1&quot;</source>
        <translation>“%1”</translation>
    </message>
    <message>
        <source>&quot;%1&quot; (%2 characters)</source>
        <translation>“%1”（共 %2 个字符）</translation>
    </message>
    <message>
        <source>Arithmetic fault: %1</source>
        <translation>算术错误：%1</translation>
    </message>
    <message>
        <source>invalid operation</source>
        <translation>无效运算</translation>
    </message>
    <message>
        <source>division by zero</source>
        <translation>除以零</translation>
    </message>
    <message>
        <source>overflow</source>
        <translation>溢出</translation>
    </message>
    <message>
        <source>Overflow: a product of the countdown passed the largest number a box holds (about %1), so this result cannot be computed this way</source>
        <translation>溢出：递减连乘中的某个乘积超过了框所能容纳的最大数（约 %1），因此无法用这种方法算出该结果</translation>
    </message>
    <message>
        <source>Countdown stopped: n is too large beside r for the countdown to go on (n − r rounds to n), so this result cannot be computed this way</source>
        <translation>递减连乘中止：n 相对于 r 太大，递减连乘无法继续（n − r 舍入后仍等于 n），因此无法用这种方法算出该结果</translation>
    </message>
    <message>
        <source>Countdown stopped: n is too large for the countdown to go on (n − 1 rounds to n in the 15 digits a box keeps), so this result cannot be computed this way</source>
        <translation>递减连乘中止：n 太大，递减连乘无法继续（按框所保留的 15 位数字舍入后，n − 1 仍等于 n），因此无法用这种方法算出该结果</translation>
    </message>
    <message>
        <source>Run not finished: the %1 countdown needs more than %2 passes, so Answer holds no result of this run</source>
        <translation>计算未完成：%1 模式的递减连乘需要超过 %2 步，因此 Answer 框中没有本次计算的结果</translation>
    </message>
    <message>
        <source>Run not finished: the %1 countdown needs more than %2 passes, so Answer holds the product after %2 passes, not the result</source>
        <translation>计算未完成：%1 模式的递减连乘需要超过 %2 步，因此 Answer 框中显示的是 %2 步之后的乘积，而不是最终结果</translation>
    </message>
    <message>
        <source>Control call error: could not read the text of %1</source>
        <translation>控件调用错误：无法读取 %1 的文本</translation>
    </message>
    <message>
        <source>Control call error: could not set the text of %1</source>
        <translation>控件调用错误：无法设置 %1 的文本</translation>
    </message>
    <message>
        <source>Control call error: could not read the state of %1</source>
        <translation>控件调用错误：无法读取 %1 的状态</translation>
    </message>
    <message>
        <source>Control call error: could not show or hide %1</source>
        <translation>控件调用错误：无法显示或隐藏 %1</translation>
    </message>
    <message>
        <source>the first input box</source>
        <translation>第一个输入框</translation>
    </message>
    <message>
        <source>the second input box</source>
        <translation>第二个输入框</translation>
    </message>
    <message>
        <source>the third input box</source>
        <translation>第三个输入框</translation>
    </message>
    <message>
        <source>the fourth input box</source>
        <translation>第四个输入框</translation>
    </message>
    <message>
        <source>the Answer box</source>
        <translation>Answer 框</translation>
    </message>
    <message>
        <source>a hidden working box (Text1)</source>
        <translation>隐藏的辅助框（Text1）</translation>
    </message>
    <message>
        <source>a hidden working box (Text2)</source>
        <translation>隐藏的辅助框（Text2）</translation>
    </message>
    <message>
        <source>a hidden working box (Text3)</source>
        <translation>隐藏的辅助框（Text3）</translation>
    </message>
    <message>
        <source>n: the number whose factorial is taken (Factorial), the number of items (nPr, nCr) or of trials (2 Outcomes)</source>
        <translation>n：要计算阶乘的数（Factorial）、元素个数（nPr、nCr）或试验次数（2 Outcomes）</translation>
    </message>
    <message>
        <source>r: how many items are chosen (nPr, nCr), or how many of the trials succeed (2 Outcomes)</source>
        <translation>r：选取的元素个数（nPr、nCr），或成功的试验次数（2 Outcomes）</translation>
    </message>
    <message>
        <source>2 Outcomes: how many equally likely outcomes one trial has</source>
        <translation>2 Outcomes：每次试验有多少个等可能的结果</translation>
    </message>
    <message>
        <source>2 Outcomes: how many of those outcomes are favourable</source>
        <translation>2 Outcomes：这些结果中有多少个算作成功</translation>
    </message>
    <message>
        <source>The result of the last run</source>
        <translation>上一次计算的结果</translation>
    </message>
    <message>
        <source>Answer %1</source>
        <translation>Answer：%1</translation>
    </message>
    <message>
        <source>No new answer: Answer still shows %1</source>
        <translation>没有新结果：Answer 框仍显示 %1</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>模式</translation>
    </message>
    <message>
        <source>Error report</source>
        <translation>错误报告</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
</context>
</TS>
