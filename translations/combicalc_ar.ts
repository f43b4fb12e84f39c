<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar">
<context>
    <name>combicalc::metadata</name>
    <message>
        <source>Combinatorics Calculator</source>
        <translation>حاسبة التباديل والتوافيق</translation>
    </message>
    <message>
        <source>Factorials, permutations, combinations and two-outcome probabilities</source>
        <translation>المضروب والتباديل والتوافيق واحتمالات المحاولات ذات الناتجين</translation>
    </message>
    <message>
        <source>combinatorics;factorial;permutation;combination;probability;binomial;nPr;nCr;</source>
        <translation>التحليل التوافقي;المضروب;التباديل;التوافيق;الاحتمال;ذات الحدين;nPr;nCr;</translation>
    </message>
    <message>
        <source>Calculator for combinatorics exercises</source>
        <translation>حاسبة لتمارين التباديل والتوافيق</translation>
    </message>
    <message>
        <source>A small calculator for combinatorics exercises. Pick a mode, type the numbers into the boxes it shows, press START and read the result in the Answer box. Four modes compute:</source>
        <translation>حاسبة صغيرة لتمارين التباديل والتوافيق. اختر وضعًا، واكتب الأعداد في الحقول التي يُظهرها، ثم اضغط الزر ⁦START⁩ واقرأ النتيجة في حقل ⁦Answer⁩. وفيها أربعة أوضاع للحساب:</translation>
    </message>
    <message>
        <source>Factorial: n!, the product n × (n − 1) × … down to the last factor above zero</source>
        <translation>⁦Factorial⁩: ⁦n!⁩، وهو حاصل الضرب ⁦n × (n − 1) × …⁩ نزولًا حتى آخر عامل أكبر من الصفر</translation>
    </message>
    <message>
        <source>nPr: the ordered selections of r out of n</source>
        <translation>⁦nPr⁩: تباديل ⁦n⁩ من العناصر مأخوذةً ⁦r⁩ في كل مرة (اختيارات مرتّبة)</translation>
    </message>
    <message>
        <source>nCr: the combinations of r out of n</source>
        <translation>⁦nCr⁩: توافيق ⁦n⁩ من العناصر مأخوذةً ⁦r⁩ في كل مرة</translation>
    </message>
    <message>
        <source>2 Outcomes: the chance of exactly r successes in n trials, each with z equally likely outcomes of which w are favourable</source>
        <translation>⁦2 Outcomes⁩: احتمال الحصول على ⁦r⁩ من النجاحات بالضبط في ⁦n⁩ من المحاولات، لكلٍّ منها ⁦z⁩ من النواتج المتساوية الاحتمال، ⁦w⁩ منها مواتية</translation>
    </message>
    <message>
        <source>Every intermediate result is kept as the 15-digit text it shows, and the answers are the same, to the last digit, on every platform. Numbers follow the decimal separator and the digits of the user&apos;s locale.</source>
        <translation>تُحفظ كل نتيجة وسيطة نصًّا من خمسة عشر رقمًا كما تظهر تمامًا، وتأتي النتائج متطابقة حتى آخر رقم على جميع المنصات. وتُكتب الأعداد بالفاصل العشري والأرقام المعتمدة في الإعدادات المحلية للمستخدم.</translation>
    </message>
</context>
<context>
    <name>combicalc::texts</name>
    <message>
        <source>Conversion error: %1 holds %2, which is not a number</source>
        <translation>خطأ في التحويل: يحتوي %1 على %2، وهذا ليس عددًا</translation>
    </message>
    <message>
        <source>Conversion error: %1 holds %2, which is not a number: write the decimal separator as &quot;%3&quot;</source>
        <translation>خطأ في التحويل: يحتوي %1 على %2، وهذا ليس عددًا؛ اكتب الفاصل العشري بالرمز «%3»</translation>
    </message>
    <message>
        <source>Too many digits: %1 holds %2, which has more than the 15 significant digits a box keeps, so the countdown would lose the rest: round it to 15 digits</source>
        <translation>أرقام أكثر من اللازم: يحتوي %1 على %2، وفيه أكثر من الأرقام المعنوية الخمسة عشر التي يحتفظ بها الحقل، فيضيع ما زاد عليها في العدّ التنازلي: قرِّب العدد إلى خمسة عشر رقمًا</translation>
    </message>
    <message>
        <source>Number too close to 0: %1 holds %2, which is nearer to 0 than the smallest number a box holds (about %3)</source>
        <translation>عدد قريب جدًا من الصفر: يحتوي %1 على %2، وهو أقرب إلى الصفر من أصغر عدد يتّسع له الحقل (نحو %3)</translation>
    </message>
    <message>
        <source>&quot;%1&quot;</source>
        <translation>«%1»</translation>
    </message>
    <message>
        <source>&quot;%1&quot; (%2 characters)</source>
        <translation>«%1» (عدد الأحرف: %2)</translation>
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
        <translation>القسمة على صفر</translation>
    </message>
    <message>
        <source>overflow</source>
        <translation>تجاوز السعة</translation>
    </message>
    <message>
        <source>Countdown stopped: n is too large beside r for the countdown to go on (n − r rounds to n), so this result cannot be computed this way</source>
        <translation>توقّف العدّ التنازلي: العدد ⁦n⁩ كبير جدًا مقارنةً بالعدد ⁦r⁩ إلى حدٍّ تتعذّر معه مواصلة العدّ (إذ يُقرَّب ⁦n − r⁩ إلى ⁦n⁩)، لذا لا يمكن حساب هذه النتيجة بهذه الطريقة</translation>
    </message>
    <message>
        <source>Countdown stopped: n is too large for the countdown to go on (n − 1 rounds to n in the 15 digits a box keeps), so this result cannot be computed this way</source>
        <translation>توقّف العدّ التنازلي: العدد ⁦n⁩ كبير جدًا إلى حدٍّ تتعذّر معه مواصلة العدّ (إذ يُقرَّب ⁦n − 1⁩ إلى ⁦n⁩ عند الاقتصار على الأرقام الخمسة عشر التي يحتفظ بها الحقل)، لذا لا يمكن حساب هذه النتيجة بهذه الطريقة</translation>
    </message>
    <message>
        <source>Run not finished: the %1 countdown needs more than %2 passes, so Answer holds no result of this run</source>
        <translation>لم يكتمل الحساب: يحتاج العدّ التنازلي في وضع %1 إلى أكثر من %2 خطوة، لذا لا يحتوي حقل ⁦Answer⁩ على أي نتيجة لهذا الحساب</translation>
    </message>
    <message>
        <source>Run not finished: the %1 countdown needs more than %2 passes, so Answer holds the product after %2 passes, not the result</source>
        <translation>لم يكتمل الحساب: يحتاج العدّ التنازلي في وضع %1 إلى أكثر من %2 خطوة، لذا يحتوي حقل ⁦Answer⁩ على حاصل الضرب بعد %2 خطوة، لا على النتيجة</translation>
    </message>
    <message>
        <source>the first input box</source>
        <translation>حقل الإدخال الأول</translation>
    </message>
    <message>
        <source>the second input box</source>
        <translation>حقل الإدخال الثاني</translation>
    </message>
    <message>
        <source>the third input box</source>
        <translation>حقل الإدخال الثالث</translation>
    </message>
    <message>
        <source>the fourth input box</source>
        <translation>حقل الإدخال الرابع</translation>
    </message>
    <message>
        <source>the Answer box</source>
        <translation>حقل ⁦Answer⁩</translation>
    </message>
    <message>
        <source>a hidden working box (Text1)</source>
        <translation>حقل عمل مخفي (⁦Text1⁩)</translation>
    </message>
    <message>
        <source>a hidden working box (Text2)</source>
        <translation>حقل عمل مخفي (⁦Text2⁩)</translation>
    </message>
    <message>
        <source>a hidden working box (Text3)</source>
        <translation>حقل عمل مخفي (⁦Text3⁩)</translation>
    </message>
    <message>
        <source>n: the number whose factorial is taken (Factorial), the number of items (nPr, nCr) or of trials (2 Outcomes)</source>
        <translation>⁦n⁩: العدد الذي يُحسب مضروبه (⁦Factorial⁩)، أو عدد العناصر (⁦nPr⁩، ⁦nCr⁩)، أو عدد المحاولات (⁦2 Outcomes⁩)</translation>
    </message>
    <message>
        <source>r: how many items are chosen (nPr, nCr), or how many of the trials succeed (2 Outcomes)</source>
        <translation>⁦r⁩: عدد العناصر المختارة (⁦nPr⁩، ⁦nCr⁩)، أو عدد المحاولات الناجحة (⁦2 Outcomes⁩)</translation>
    </message>
    <message>
        <source>2 Outcomes: how many equally likely outcomes one trial has</source>
        <translation>⁦2 Outcomes⁩: عدد النواتج المتساوية الاحتمال في المحاولة الواحدة</translation>
    </message>
    <message>
        <source>2 Outcomes: how many of those outcomes are favourable</source>
        <translation>⁦2 Outcomes⁩: عدد النواتج المواتية من بينها</translation>
    </message>
    <message>
        <source>The result of the last run</source>
        <translation>نتيجة آخر حساب</translation>
    </message>
    <message>
        <source>Answer %1</source>
        <translation>النتيجة في ⁦Answer⁩: %1</translation>
    </message>
    <message>
        <source>No new answer: Answer still shows %1</source>
        <translation>لا توجد نتيجة جديدة: لا يزال حقل ⁦Answer⁩ يعرض %1</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>الوضع</translation>
    </message>
    <message>
        <source>Error report</source>
        <translation>تقرير خطأ</translation>
    </message>
    <message>
        <source>Overflow: a product of the countdown passed the largest number a box holds (about %1), so this result cannot be computed this way</source>
        <translation>تجاوز السعة: تخطّى حاصل الضرب في أثناء العدّ التنازلي أكبرَ عدد يتّسع له الحقل (نحو %1)، لذا لا يمكن حساب هذه النتيجة بهذه الطريقة</translation>
    </message>
    <message>
        <source>Control call error: could not read the text of %1</source>
        <translation>خطأ في استدعاء عنصر تحكم: تعذّرت قراءة نص %1</translation>
    </message>
    <message>
        <source>Control call error: could not set the text of %1</source>
        <translation>خطأ في استدعاء عنصر تحكم: تعذّر تعيين نص %1</translation>
    </message>
    <message>
        <source>Control call error: could not read the state of %1</source>
        <translation>خطأ في استدعاء عنصر تحكم: تعذّرت قراءة حالة %1</translation>
    </message>
    <message>
        <source>Control call error: could not show or hide %1</source>
        <translation>خطأ في استدعاء عنصر تحكم: تعذّر إظهار %1 أو إخفاؤه</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>حسنًا</translation>
    </message>
</context>
</TS>
