<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar" sourcelanguage="ja">
<context>
    <name>LogTextBox</name>
    <message>
        <source>元に戻す(&amp;U)</source>
        <translation>&amp;تراجع</translation>
    </message>
    <message>
        <source>やり直し(&amp;R)</source>
        <translation>إ&amp;عادة</translation>
    </message>
    <message>
        <source>切り取り(&amp;T)</source>
        <translation>&amp;قص</translation>
    </message>
    <message>
        <source>コピー(&amp;C)</source>
        <translation>&amp;نسخ</translation>
    </message>
    <message>
        <source>貼り付け(&amp;P)</source>
        <translation>&amp;لصق</translation>
    </message>
    <message>
        <source>削除(&amp;D)</source>
        <translation>&amp;حذف</translation>
    </message>
    <message>
        <source>すべて選択(&amp;A)</source>
        <translation>تحديد ال&amp;كل</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <comment>Translate this string to the string &apos;LTR&apos; in left-to-right languages or to &apos;RTL&apos; in right-to-left languages (such as Hebrew and Arabic) to get proper widget layout.</comment>
        <translation>RTL</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>インターネットに接続されていないか、サーバーが停止している可能性があります。</source>
        <translation>قد لا تكون متصلًا بالإنترنت، أو قد يكون الخادم متوقفًا عن العمل.</translation>
    </message>
    <message>
        <source>バージョン番号の解析に失敗しました</source>
        <translation>تعذرت قراءة رقم الإصدار</translation>
    </message>
    <message>
        <source>バージョン番号の解析に失敗しました。</source>
        <translation>تعذرت قراءة رقم الإصدار.</translation>
    </message>
    <message>
        <source>バージョン情報が見つかりませんでした</source>
        <translation>لم يتم العثور على معلومات الإصدار</translation>
    </message>
    <message>
        <source>バージョン情報が見つかりませんでした。</source>
        <translation>لم يتم العثور على معلومات الإصدار.</translation>
    </message>
    <message>
        <source>最新バージョンの確認</source>
        <translation>التحقق من وجود تحديثات</translation>
    </message>
    <message>
        <source>最新バージョンの有無を確認しています．．．</source>
        <translation>جارٍ التحقق من وجود تحديثات…</translation>
    </message>
    <message>
        <source>最新バージョンが公開されています。</source>
        <translation>تم نشر إصدار أحدث.</translation>
    </message>
    <message>
        <source>ダウンロードページを表示しますか？</source>
        <translation>هل تريد فتح صفحة التنزيل؟</translation>
    </message>
    <message>
        <source>ダウンロードページを表示(&amp;O)</source>
        <translation>&amp;فتح صفحة التنزيل</translation>
    </message>
    <message>
        <source>今は何もしない(&amp;C)</source>
        <translation>&amp;ليس الآن</translation>
    </message>
    <message>
        <source>－－－－－デバッグ情報－－－－－</source>
        <translation>--- معلومات التصحيح ---</translation>
    </message>
    <message>
        <source>閉じる(&amp;C)</source>
        <translation>إ&amp;غلاق</translation>
    </message>
    <message>
        <source>最新バージョン「%1」が公開されています。</source>
        <translation>تم نشر أحدث إصدار «%1».</translation>
    </message>
    <message>
        <source>最新バージョンはありません。</source>
        <translation>لا يوجد إصدار أحدث.</translation>
    </message>
    <message>
        <source>現在使っているバージョンが最新です。</source>
        <translation>الإصدار الذي تستخدمه هو الأحدث.</translation>
    </message>
    <message>
        <source>バージョン情報の取得に失敗しました。</source>
        <translation>تعذر الحصول على معلومات الإصدار.</translation>
    </message>
    <message>
        <source>指定されたファイルが見つかりませんでした。</source>
        <translation>لم يتم العثور على الملف المحدد.</translation>
    </message>
    <message>
        <source>指定されたURLが見つかりませんでした。</source>
        <translation>لم يتم العثور على عنوان URL المحدد.</translation>
    </message>
    <message>
        <source>ブラウザを開くことができませんでした。</source>
        <translation>تعذر فتح المستعرض.</translation>
    </message>
    <message>
        <source>%1 最新バージョンの確認</source>
        <translation>%1 – التحقق من وجود تحديثات</translation>
    </message>
</context>
</TS>
