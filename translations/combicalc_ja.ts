<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>combicalc::metadata</name>
    <message>
        <source>Combinatorics Calculator</source>
        <translation>順列・組合せ計算機</translation>
    </message>
    <message>
        <source>Factorials, permutations, combinations and two-outcome probabilities</source>
        <translation>階乗、順列、組合せと反復試行の確率</translation>
    </message>
    <message>
        <source>combinatorics;factorial;permutation;combination;probability;binomial;nPr;nCr;</source>
        <translation>場合の数;階乗;順列;組合せ;組み合わせ;確率;二項分布;nPr;nCr;</translation>
    </message>
    <message>
        <source>Calculator for combinatorics exercises</source>
        <translation>場合の数の練習問題用の計算機</translation>
    </message>
    <message>
        <source>A small calculator for combinatorics exercises. Pick a mode, type the numbers into the boxes it shows, press START and read the result in the Answer box. Four modes compute:</source>
        <translation>場合の数の練習問題のための小さな計算機です。モードを選び、そのモードで表示される入力欄に数値を入力してSTARTを押すと、Answer欄に結果が表示されます。計算ができるのは次の4つのモードです。</translation>
    </message>
    <message>
        <source>Factorial: n!, the product n × (n − 1) × … down to the last factor above zero</source>
        <translation>Factorial：n!、つまりn × (n − 1) × …のように、0より大きい最後の因数まで掛けた積</translation>
    </message>
    <message>
        <source>nPr: the ordered selections of r out of n</source>
        <translation>nPr：異なるn個のものからr個を取り出して並べる順列の数</translation>
    </message>
    <message>
        <source>nCr: the combinations of r out of n</source>
        <translation>nCr：異なるn個のものからr個を取り出す組合せの数</translation>
    </message>
    <message>
        <source>2 Outcomes: the chance of exactly r successes in n trials, each with z equally likely outcomes of which w are favourable</source>
        <translation>2 Outcomes：同様に確からしいz通りの結果のうちw通りが成功にあたる試行をn回行ったとき、ちょうどr回成功する確率</translation>
    </message>
    <message>
        <source>Every intermediate result is kept as the 15-digit text it shows, and the answers are the same, to the last digit, on every platform. Numbers follow the decimal separator and the digits of the user&apos;s locale.</source>
        <translation>途中の計算結果はすべて表示どおりの15桁のテキストとして保持され、最終的な結果はどのプラットフォームでも最後の桁まで同じになります。数値の小数点記号と数字は、ユーザーの地域設定に従います。</translation>
    </message>
</context>
<context>
    <name>combicalc::texts</name>
    <message>
        <source>Conversion error: %1 holds %2, which is not a number</source>
        <translation>変換エラー：%1の内容%2は数値ではありません</translation>
    </message>
    <message>
        <source>Conversion error: %1 holds %2, which is not a number: write the decimal separator as &quot;%3&quot;</source>
        <translation>変換エラー：%1の内容%2は数値ではありません（小数点には「%3」を使ってください）</translation>
    </message>
    <message>
        <source>Too many digits: %1 holds %2, which has more than the 15 significant digits a box keeps, so the countdown would lose the rest: round it to 15 digits</source>
        <translation>桁数超過：%1の内容%2は、欄が保持する有効数字15桁を超えているため、このままではカウントダウンで残りの桁が失われます。15桁に丸めてください</translation>
    </message>
    <message>
        <source>Number too close to 0: %1 holds %2, which is nearer to 0 than the smallest number a box holds (about %3)</source>
        <translation>0に近すぎる数：%1の内容%2は、欄で扱える最小の数（約%3）よりも0に近い値です</translation>
    </message>
    <message>
        <source>&quot;%1&quot;</source>
        <translation>「%1」</translation>
    </message>
    <message>
        <source>&quot;%1&quot; (%2 characters)</source>
        <translation>「%1」（%2文字）</translation>
    </message>
    <message>
        <source>Arithmetic fault: %1</source>
        <translation>演算エラー：%1</translation>
    </message>
    <message>
        <source>invalid operation</source>
        <translation>無効な演算</translation>
    </message>
    <message>
        <source>division by zero</source>
        <translation>ゼロ除算</translation>
    </message>
    <message>
        <source>overflow</source>
        <translation>オーバーフロー</translation>
    </message>
    <message>
        <source>Overflow: a product of the countdown passed the largest number a box holds (about %1), so this result cannot be computed this way</source>
        <translation>オーバーフロー：カウントダウン中の積が、欄で扱える最大の数（約%1）を超えたため、この方法ではこの結果を計算できません</translation>
    </message>
    <message>
        <source>Countdown stopped: n is too large beside r for the countdown to go on (n − r rounds to n), so this result cannot be computed this way</source>
        <translation>カウントダウン停止：rに比べてnが大きすぎてカウントダウンを続けられない（n − rを丸めるとnになる）ため、この方法ではこの結果を計算できません</translation>
    </message>
    <message>
        <source>Countdown stopped: n is too large for the countdown to go on (n − 1 rounds to n in the 15 digits a box keeps), so this result cannot be computed this way</source>
        <translation>カウントダウン停止：nが大きすぎてカウントダウンを続けられない（欄が保持する15桁ではn − 1を丸めるとnになる）ため、この方法ではこの結果を計算できません</translation>
    </message>
    <message>
        <source>Run not finished: the %1 countdown needs more than %2 passes, so Answer holds no result of this run</source>
        <translation>計算未完了：%1モードのカウントダウンには%2ステップを超える処理が必要なため、Answer欄にはこの計算の結果が表示されていません</translation>
    </message>
    <message>
        <source>Run not finished: the %1 countdown needs more than %2 passes, so Answer holds the product after %2 passes, not the result</source>
        <translation>計算未完了：%1モードのカウントダウンには%2ステップを超える処理が必要なため、Answer欄に表示されているのは結果ではなく、%2ステップ後の積です</translation>
    </message>
    <message>
        <source>Control call error: could not read the text of %1</source>
        <translation>コントロール呼び出しエラー：%1のテキストを読み取れませんでした</translation>
    </message>
    <message>
        <source>Control call error: could not set the text of %1</source>
        <translation>コントロール呼び出しエラー：%1のテキストを設定できませんでした</translation>
    </message>
    <message>
        <source>Control call error: could not read the state of %1</source>
        <translation>コントロール呼び出しエラー：%1の状態を読み取れませんでした</translation>
    </message>
    <message>
        <source>Control call error: could not show or hide %1</source>
        <translation>コントロール呼び出しエラー：%1の表示・非表示を切り替えられませんでした</translation>
    </message>
    <message>
        <source>the first input box</source>
        <translation>1番目の入力欄</translation>
    </message>
    <message>
        <source>the second input box</source>
        <translation>2番目の入力欄</translation>
    </message>
    <message>
        <source>the third input box</source>
        <translation>3番目の入力欄</translation>
    </message>
    <message>
        <source>the fourth input box</source>
        <translation>4番目の入力欄</translation>
    </message>
    <message>
        <source>the Answer box</source>
        <translation>Answer欄</translation>
    </message>
    <message>
        <source>a hidden working box (Text1)</source>
        <translation>作業用の非表示欄（Text1）</translation>
    </message>
    <message>
        <source>a hidden working box (Text2)</source>
        <translation>作業用の非表示欄（Text2）</translation>
    </message>
    <message>
        <source>a hidden working box (Text3)</source>
        <translation>作業用の非表示欄（Text3）</translation>
    </message>
    <message>
        <source>n: the number whose factorial is taken (Factorial), the number of items (nPr, nCr) or of trials (2 Outcomes)</source>
        <translation>n：階乗を求める数（Factorial）、ものの総数（nPr、nCr）、または試行の回数（2 Outcomes）</translation>
    </message>
    <message>
        <source>r: how many items are chosen (nPr, nCr), or how many of the trials succeed (2 Outcomes)</source>
        <translation>r：取り出す個数（nPr、nCr）、または成功する試行の回数（2 Outcomes）</translation>
    </message>
    <message>
        <source>2 Outcomes: how many equally likely outcomes one trial has</source>
        <translation>2 Outcomes：1回の試行で、同様に確からしい結果が何通りあるか</translation>
    </message>
    <message>
        <source>2 Outcomes: how many of those outcomes are favourable</source>
        <translation>2 Outcomes：そのうち何通りが成功にあたるか</translation>
    </message>
    <message>
        <source>The result of the last run</source>
        <translation>直前の計算の結果</translation>
    </message>
    <message>
        <source>Answer %1</source>
        <translation>Answer：%1</translation>
    </message>
    <message>
        <source>No new answer: Answer still shows %1</source>
        <translation>新しい結果はありません：Answer欄には引き続き%1が表示されています</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>モード</translation>
    </message>
    <message>
        <source>Error report</source>
        <translation>エラー報告</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
</TS>
