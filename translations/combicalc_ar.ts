<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar">
<context>
    <name>combicalc::metadata</name>
    <message>
        <source>Combinatorics Calculator</source>
        <translation>حاسبة التوافيق</translation>
    </message>
    <message>
        <source>Factorials, permutations, combinations and two-outcome probabilities</source>
        <translation>المضروبات والتباديل والتوافيق واحتمالات النتيجتين</translation>
    </message>
    <message>
        <source>combinatorics;factorial;permutation;combination;probability;binomial;nPr;nCr;</source>
        <translation>التوافيق;المضروب;التبديل;التوفيق;الاحتمال;ذو الحدين;nPr;nCr;</translation>
    </message>
    <message>
        <source>Calculator for combinatorics exercises</source>
        <translation>حاسبة لتمارين التوافيق</translation>
    </message>
    <message>
        <source>A small calculator for combinatorics exercises. Pick a mode, type the numbers into the boxes it shows, press START and read the result in the Answer box. Four modes compute:</source>
        <translation>حاسبة صغيرة لتمارين التوافيق. اختر وضعًا، واكتب الأعداد في المربعات التي يعرضها، واضغط START واقرأ النتيجة في مربع Answer. أربعة أوضاع تحسب:</translation>
    </message>
    <message>
        <source>Factorial: n!, the product n × (n − 1) × … down to the last factor above zero</source>
        <translation>Factorial: n!، حاصل الضرب n × (n − 1) × … حتى آخر عامل أكبر من الصفر</translation>
    </message>
    <message>
        <source>nPr: the ordered selections of r out of n</source>
        <translation>nPr: الاختيارات المرتبة لـ r من n</translation>
    </message>
    <message>
        <source>nCr: the combinations of r out of n</source>
        <translation>nCr: توافيق r من n</translation>
    </message>
    <message>
        <source>2 Outcomes: the chance of exactly r successes in n trials, each with z equally likely outcomes of which w are favourable</source>
        <translation>2 Outcomes: احتمال الحصول على r نجاحًا بالضبط في n محاولة، لكل منها z نتيجة متساوية الاحتمال منها w مواتية</translation>
    </message>
    <message>
        <source>Every intermediate result is kept as the 15-digit text it shows, and the answers are the same, to the last digit, on every platform. Numbers follow the decimal separator and the digits of the user&apos;s locale.</source>
        <translation>تُحفظ كل نتيجة وسيطة على هيئة النص ذي الخمسة عشر رقمًا الذي تعرضه، والنتائج واحدة حتى آخر رقم على كل منصة. تتبع الأعداد الفاصلة العشرية والأرقام الخاصة بلغة المستخدم.</translation>
    </message>
</context>
<context>
    <name>combicalc::texts</name>
    <message>
        <source>Conversion error: %1 holds %2, which is not a number</source>
        <translation>خطأ في التحويل: %1 يحتوي على %2، وهو ليس عددًا</translation>
    </message>
    <message>
        <source>Conversion error: %1 holds %2, which is not a number: write the decimal separator as &quot;%3&quot;</source>
        <translation>خطأ في التحويل: %1 يحتوي على %2، وهو ليس عددًا: اكتب الفاصلة العشرية «%3»</translation>
    </message>
    <message>
        <source>&quot;%1&quot;</source>
        <translation>«%1»</translation>
    </message>
    <message>
        <source>&quot;%1…&quot; (%2 characters)</source>
        <translation>«%1…» (%2 حرفًا)</translation>
    </message>
    <message>
        <source>Arithmetic fault: %1</source>
        <translation>خطأ حسابي: %1</translation>
    </message>
    <message>
        <source>invalid operation</source>
        <translation>عملية غير صالحة</translation>
    </message>
    <message>
        <source>division by zero</source>
        <translation>قسمة على صفر</translation>
    </message>
    <message>
        <source>overflow</source>
        <translation>تجاوز السعة</translation>
    </message>
    <message>
        <source>Countdown stopped: n is too large beside r for the countdown to go on (n − r rounds to n), so this result cannot be computed this way</source>
        <translation>توقّف العدّ التنازلي: n كبير جدًا بالنسبة إلى r فلا يمكن أن يستمر العدّ التنازلي (يُقرَّب n − r إلى n)، لذا لا يمكن حساب هذه النتيجة بهذه الطريقة</translation>
    </message>
    <message>
        <source>Run not finished: the %1 countdown needs more than %2 passes, so Answer holds no result of this run</source>
        <translation>لم يكتمل التشغيل: يحتاج العدّ التنازلي لـ %1 إلى أكثر من %2 دورة، لذا لا يحتوي Answer على نتيجة لهذا التشغيل</translation>
    </message>
    <message>
        <source>Run not finished: the %1 countdown needs more than %2 passes, so Answer holds the product after %2 passes, not the result</source>
        <translation>لم يكتمل التشغيل: يحتاج العدّ التنازلي لـ %1 إلى أكثر من %2 دورة، لذا يحتوي Answer على الناتج بعد %2 دورة، لا على النتيجة</translation>
    </message>
    <message>
        <source>the first input box</source>
        <translation>مربع الإدخال الأول</translation>
    </message>
    <message>
        <source>the second input box</source>
        <translation>مربع الإدخال الثاني</translation>
    </message>
    <message>
        <source>the third input box</source>
        <translation>مربع الإدخال الثالث</translation>
    </message>
    <message>
        <source>the fourth input box</source>
        <translation>مربع الإدخال الرابع</translation>
    </message>
    <message>
        <source>the Answer box</source>
        <translation>مربع Answer</translation>
    </message>
    <message>
        <source>a hidden working box (Text1)</source>
        <translation>مربع عمل مخفي (Text1)</translation>
    </message>
    <message>
        <source>a hidden working box (Text2)</source>
        <translation>مربع عمل مخفي (Text2)</translation>
    </message>
    <message>
        <source>a hidden working box (Text3)</source>
        <translation>مربع عمل مخفي (Text3)</translation>
    </message>
    <message>
        <source>n: the number whose factorial is taken (Factorial), the number of items (nPr, nCr) or of trials (2 Outcomes)</source>
        <translation>n: العدد الذي يُحسب مضروبه (Factorial)، أو عدد العناصر (nPr، nCr)، أو عدد المحاولات (2 Outcomes)</translation>
    </message>
    <message>
        <source>r: how many items are chosen (nPr, nCr), or how many of the trials succeed (2 Outcomes)</source>
        <translation>r: عدد العناصر المختارة (nPr، nCr)، أو عدد المحاولات الناجحة (2 Outcomes)</translation>
    </message>
    <message>
        <source>2 Outcomes: how many equally likely outcomes one trial has</source>
        <translation>2 Outcomes: عدد النتائج المتساوية الاحتمال للمحاولة الواحدة</translation>
    </message>
    <message>
        <source>2 Outcomes: how many of those outcomes are favourable</source>
        <translation>2 Outcomes: عدد النتائج المواتية منها</translation>
    </message>
    <message>
        <source>The result of the last run</source>
        <translation>نتيجة آخر تشغيل</translation>
    </message>
    <message>
        <source>Answer %1</source>
        <translation>Answer: %1</translation>
    </message>
    <message>
        <source>No new answer: Answer still shows %1</source>
        <translation>لا نتيجة جديدة: لا يزال Answer يعرض %1</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>الوضع</translation>
    </message>
    <message>
        <source>Error report</source>
        <translation>تقرير الخطأ</translation>
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
