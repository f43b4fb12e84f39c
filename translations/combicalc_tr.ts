<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr_TR">
<context>
    <name>combicalc::metadata</name>
    <message>
        <source>Combinatorics Calculator</source>
        <translation>Kombinatorik Hesap Makinesi</translation>
    </message>
    <message>
        <source>Factorials, permutations, combinations and two-outcome probabilities</source>
        <translation>Faktöriyel, permütasyon, kombinasyon ve iki sonuçlu denemelerde olasılık hesapları</translation>
    </message>
    <message>
        <source>combinatorics;factorial;permutation;combination;probability;binomial;nPr;nCr;</source>
        <translation>kombinatorik;faktöriyel;permütasyon;kombinasyon;olasılık;binom;nPr;nCr;</translation>
    </message>
    <message>
        <source>Calculator for combinatorics exercises</source>
        <translation>Kombinatorik alıştırmaları için hesap makinesi</translation>
    </message>
    <message>
        <source>A small calculator for combinatorics exercises. Pick a mode, type the numbers into the boxes it shows, press START and read the result in the Answer box. Four modes compute:</source>
        <translation>Kombinatorik alıştırmaları için küçük bir hesap makinesi. Bir mod seçin, sayıları modun gösterdiği alanlara yazın, START düğmesine basın ve sonucu Answer alanından okuyun. Dört mod şunları hesaplar:</translation>
    </message>
    <message>
        <source>Factorial: n!, the product n × (n − 1) × … down to the last factor above zero</source>
        <translation>Factorial: n!, yani sıfırdan büyük son çarpana kadar inen n × (n − 1) × … çarpımı</translation>
    </message>
    <message>
        <source>nPr: the ordered selections of r out of n</source>
        <translation>nPr: n eleman arasından r elemanın sıralı seçimleri (r&apos;li permütasyonlar)</translation>
    </message>
    <message>
        <source>nCr: the combinations of r out of n</source>
        <translation>nCr: n elemanın r&apos;li kombinasyonları</translation>
    </message>
    <message>
        <source>2 Outcomes: the chance of exactly r successes in n trials, each with z equally likely outcomes of which w are favourable</source>
        <translation>2 Outcomes: n denemede tam olarak r başarı elde etme olasılığı; her denemede z eş olasılıklı durum vardır ve bunların w tanesi istenen durumdur</translation>
    </message>
    <message>
        <source>Every intermediate result is kept as the 15-digit text it shows, and the answers are the same, to the last digit, on every platform. Numbers follow the decimal separator and the digits of the user&apos;s locale.</source>
        <translation>Her ara sonuç, gösterildiği 15 basamaklı metin olarak saklanır ve sonuçlar her platformda son basamağına kadar aynıdır. Sayılar, kullanıcının yerel ayarlarındaki ondalık ayırıcıya ve rakamlara uyar.</translation>
    </message>
</context>
<context>
    <name>combicalc::texts</name>
    <message>
        <source>Conversion error: %1 holds %2, which is not a number</source>
        <translation>Dönüştürme hatası: %1 içindeki %2 bir sayı değil</translation>
    </message>
    <message>
        <source>Conversion error: %1 holds %2, which is not a number: write the decimal separator as &quot;%3&quot;</source>
        <translation>Dönüştürme hatası: %1 içindeki %2 bir sayı değil; ondalık ayırıcı olarak “%3” işaretini kullanın</translation>
    </message>
    <message>
        <source>Too many digits: %1 holds %2, which has more than the 15 significant digits a box keeps, so the countdown would lose the rest: round it to 15 digits</source>
        <translation>Çok fazla basamak: %1 içindeki %2, bir alanın tuttuğu 15 anlamlı basamaktan fazlasını içeriyor; geri sayımda 15&apos;ten sonraki basamaklar kaybolurdu: sayıyı 15 basamağa yuvarlayın</translation>
    </message>
    <message>
        <source>Number too close to 0: %1 holds %2, which is nearer to 0 than the smallest number a box holds (about %3)</source>
        <translation>Sayı 0&apos;a çok yakın: %1 içindeki %2, bir alanın tutabileceği en küçük sayıdan (yaklaşık %3) 0&apos;a daha yakın</translation>
    </message>
    <message>
        <source>&quot;%1&quot;</source>
        <translation>“%1”</translation>
    </message>
    <message>
        <source>&quot;%1&quot; (%2 characters)</source>
        <translation>“%1” (%2 karakter)</translation>
    </message>
    <message>
        <source>Arithmetic fault: %1</source>
        <translation>Aritmetik hata: %1</translation>
    </message>
    <message>
        <source>invalid operation</source>
        <translation>geçersiz işlem</translation>
    </message>
    <message>
        <source>division by zero</source>
        <translation>sıfıra bölme</translation>
    </message>
    <message>
        <source>overflow</source>
        <translation>taşma</translation>
    </message>
    <message>
        <source>Overflow: a product of the countdown passed the largest number a box holds (about %1), so this result cannot be computed this way</source>
        <translation>Taşma: Geri sayımdaki bir çarpım, bir alanın tutabileceği en büyük sayıyı (yaklaşık %1) aştı; bu nedenle sonuç bu yolla hesaplanamaz</translation>
    </message>
    <message>
        <source>Countdown stopped: n is too large beside r for the countdown to go on (n − r rounds to n), so this result cannot be computed this way</source>
        <translation>Geri sayım durdu: n, r&apos;ye göre o kadar büyük ki geri sayım sürdürülemiyor (n − r, n&apos;ye yuvarlanıyor); bu nedenle sonuç bu yolla hesaplanamaz</translation>
    </message>
    <message>
        <source>Countdown stopped: n is too large for the countdown to go on (n − 1 rounds to n in the 15 digits a box keeps), so this result cannot be computed this way</source>
        <translation>Geri sayım durdu: n, geri sayımın sürdürülemeyeceği kadar büyük (bir alanın tuttuğu 15 basamakla n − 1, n&apos;ye yuvarlanıyor); bu nedenle sonuç bu yolla hesaplanamaz</translation>
    </message>
    <message>
        <source>Run not finished: the %1 countdown needs more than %2 passes, so Answer holds no result of this run</source>
        <translation>Hesaplama tamamlanmadı: %1 modundaki geri sayım %2 adımdan fazlasını gerektiriyor; bu nedenle Answer alanında bu hesaplamaya ait bir sonuç yok</translation>
    </message>
    <message>
        <source>Run not finished: the %1 countdown needs more than %2 passes, so Answer holds the product after %2 passes, not the result</source>
        <translation>Hesaplama tamamlanmadı: %1 modundaki geri sayım %2 adımdan fazlasını gerektiriyor; bu nedenle Answer alanında sonuç değil, %2 adımdan sonraki çarpım var</translation>
    </message>
    <message>
        <source>Control call error: could not read the text of %1</source>
        <translation>Denetim çağrısı hatası: %1 denetiminin metni okunamadı</translation>
    </message>
    <message>
        <source>Control call error: could not set the text of %1</source>
        <translation>Denetim çağrısı hatası: %1 denetiminin metni ayarlanamadı</translation>
    </message>
    <message>
        <source>Control call error: could not read the state of %1</source>
        <translation>Denetim çağrısı hatası: %1 denetiminin durumu okunamadı</translation>
    </message>
    <message>
        <source>Control call error: could not show or hide %1</source>
        <translation>Denetim çağrısı hatası: %1 denetimi gösterilemedi ya da gizlenemedi</translation>
    </message>
    <message>
        <source>the first input box</source>
        <translation>Birinci giriş alanı</translation>
    </message>
    <message>
        <source>the second input box</source>
        <translation>İkinci giriş alanı</translation>
    </message>
    <message>
        <source>the third input box</source>
        <translation>Üçüncü giriş alanı</translation>
    </message>
    <message>
        <source>the fourth input box</source>
        <translation>Dördüncü giriş alanı</translation>
    </message>
    <message>
        <source>the Answer box</source>
        <translation>Answer alanı</translation>
    </message>
    <message>
        <source>a hidden working box (Text1)</source>
        <translation>Gizli çalışma alanı (Text1)</translation>
    </message>
    <message>
        <source>a hidden working box (Text2)</source>
        <translation>Gizli çalışma alanı (Text2)</translation>
    </message>
    <message>
        <source>a hidden working box (Text3)</source>
        <translation>Gizli çalışma alanı (Text3)</translation>
    </message>
    <message>
        <source>n: the number whose factorial is taken (Factorial), the number of items (nPr, nCr) or of trials (2 Outcomes)</source>
        <translation>n: faktöriyeli alınan sayı (Factorial), eleman sayısı (nPr, nCr) ya da deneme sayısı (2 Outcomes)</translation>
    </message>
    <message>
        <source>r: how many items are chosen (nPr, nCr), or how many of the trials succeed (2 Outcomes)</source>
        <translation>r: kaç eleman seçildiği (nPr, nCr) ya da denemelerden kaçının başarılı olduğu (2 Outcomes)</translation>
    </message>
    <message>
        <source>2 Outcomes: how many equally likely outcomes one trial has</source>
        <translation>2 Outcomes: bir denemede eş olasılıklı kaç durum olduğu</translation>
    </message>
    <message>
        <source>2 Outcomes: how many of those outcomes are favourable</source>
        <translation>2 Outcomes: bu durumlardan kaçının istenen durum olduğu</translation>
    </message>
    <message>
        <source>The result of the last run</source>
        <translation>Son hesaplamanın sonucu</translation>
    </message>
    <message>
        <source>Answer %1</source>
        <translation>Answer: %1</translation>
    </message>
    <message>
        <source>No new answer: Answer still shows %1</source>
        <translation>Yeni sonuç yok: Answer alanında hâlâ %1 yazıyor</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Mod</translation>
    </message>
    <message>
        <source>Error report</source>
        <translation>Hata raporu</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Tamam</translation>
    </message>
</context>
</TS>
