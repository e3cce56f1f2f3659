<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fa" sourcelanguage="ja">
<context>
    <name>LogTextBox</name>
    <message>
        <source>元に戻す(&amp;U)</source>
        <translation>&amp;واگرد</translation>
    </message>
    <message>
        <source>やり直し(&amp;R)</source>
        <translation>&amp;ازنو</translation>
    </message>
    <message>
        <source>切り取り(&amp;T)</source>
        <translation>&amp;برش</translation>
    </message>
    <message>
        <source>コピー(&amp;C)</source>
        <translation>&amp;کپی</translation>
    </message>
    <message>
        <source>貼り付け(&amp;P)</source>
        <translation>&amp;چسباندن</translation>
    </message>
    <message>
        <source>削除(&amp;D)</source>
        <translation>&amp;حذف</translation>
    </message>
    <message>
        <source>すべて選択(&amp;A)</source>
        <translation>انتخاب &amp;همه</translation>
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
        <translation>ممکن است به اینترنت وصل نباشید یا سرور از کار افتاده باشد.</translation>
    </message>
    <message>
        <source>バージョン番号の解析に失敗しました</source>
        <translation>خواندن شماره نسخه ناموفق بود</translation>
    </message>
    <message>
        <source>バージョン番号の解析に失敗しました。</source>
        <translation>خواندن شماره نسخه ناموفق بود.</translation>
    </message>
    <message>
        <source>バージョン情報が見つかりませんでした</source>
        <translation>اطلاعات نسخه پیدا نشد</translation>
    </message>
    <message>
        <source>バージョン情報が見つかりませんでした。</source>
        <translation>اطلاعات نسخه پیدا نشد.</translation>
    </message>
    <message>
        <source>最新バージョンの確認</source>
        <translation>بررسی برای به‌روزرسانی‌ها</translation>
    </message>
    <message>
        <source>最新バージョンの有無を確認しています．．．</source>
        <translation>در حال بررسی برای به‌روزرسانی‌ها…</translation>
    </message>
    <message>
        <source>最新バージョンが公開されています。</source>
        <translation>نسخه جدیدتری منتشر شده است.</translation>
    </message>
    <message>
        <source>ダウンロードページを表示しますか？</source>
        <translation>صفحه بارگیری باز شود؟</translation>
    </message>
    <message>
        <source>ダウンロードページを表示(&amp;O)</source>
        <translation>&amp;باز کردن صفحه بارگیری</translation>
    </message>
    <message>
        <source>今は何もしない(&amp;C)</source>
        <translation>&amp;اکنون نه</translation>
    </message>
    <message>
        <source>－－－－－デバッグ情報－－－－－</source>
        <translation>--- اطلاعات اشکال‌زدایی ---</translation>
    </message>
    <message>
        <source>閉じる(&amp;C)</source>
        <translation>&amp;بستن</translation>
    </message>
    <message>
        <source>最新バージョン「%1」が公開されています。</source>
        <translation>جدیدترین نسخه «%1» منتشر شده است.</translation>
    </message>
    <message>
        <source>最新バージョンはありません。</source>
        <translation>نسخه جدیدتری وجود ندارد.</translation>
    </message>
    <message>
        <source>現在使っているバージョンが最新です。</source>
        <translation>نسخه‌ای که از آن استفاده می‌کنید جدیدترین نسخه است.</translation>
    </message>
    <message>
        <source>バージョン情報の取得に失敗しました。</source>
        <translation>دریافت اطلاعات نسخه ناموفق بود.</translation>
    </message>
    <message>
        <source>指定されたファイルが見つかりませんでした。</source>
        <translation>فایل مشخص‌شده پیدا نشد.</translation>
    </message>
    <message>
        <source>指定されたURLが見つかりませんでした。</source>
        <translation>نشانی URL مشخص‌شده پیدا نشد.</translation>
    </message>
    <message>
        <source>ブラウザを開くことができませんでした。</source>
        <translation>باز کردن مرورگر ناموفق بود.</translation>
    </message>
    <message>
        <source>%1 最新バージョンの確認</source>
        <translation>%1 – بررسی برای به‌روزرسانی‌ها</translation>
    </message>
</context>
</TS>
