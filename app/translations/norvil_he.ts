<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="he" sourcelanguage="ja">
<context>
    <name>LogTextBox</name>
    <message>
        <source>元に戻す(&amp;U)</source>
        <translation>&amp;בטל</translation>
    </message>
    <message>
        <source>やり直し(&amp;R)</source>
        <translation>בצע &amp;שוב</translation>
    </message>
    <message>
        <source>切り取り(&amp;T)</source>
        <translation>&amp;גזור</translation>
    </message>
    <message>
        <source>コピー(&amp;C)</source>
        <translation>&amp;העתק</translation>
    </message>
    <message>
        <source>貼り付け(&amp;P)</source>
        <translation>ה&amp;דבק</translation>
    </message>
    <message>
        <source>削除(&amp;D)</source>
        <translation>&amp;מחק</translation>
    </message>
    <message>
        <source>すべて選択(&amp;A)</source>
        <translation>בחר ה&amp;כל</translation>
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
        <translation>ייתכן שאין חיבור לאינטרנט או שהשרת אינו פועל.</translation>
    </message>
    <message>
        <source>バージョン番号の解析に失敗しました</source>
        <translation>לא ניתן לקרוא את מספר הגרסה</translation>
    </message>
    <message>
        <source>バージョン番号の解析に失敗しました。</source>
        <translation>לא ניתן לקרוא את מספר הגרסה.</translation>
    </message>
    <message>
        <source>バージョン情報が見つかりませんでした</source>
        <translation>פרטי הגרסה לא נמצאו</translation>
    </message>
    <message>
        <source>バージョン情報が見つかりませんでした。</source>
        <translation>פרטי הגרסה לא נמצאו.</translation>
    </message>
    <message>
        <source>最新バージョンの確認</source>
        <translation>בדיקת עדכונים</translation>
    </message>
    <message>
        <source>最新バージョンの有無を確認しています．．．</source>
        <translation>מתבצעת בדיקת עדכונים…</translation>
    </message>
    <message>
        <source>最新バージョンが公開されています。</source>
        <translation>פורסמה גרסה עדכנית יותר.</translation>
    </message>
    <message>
        <source>ダウンロードページを表示しますか？</source>
        <translation>לפתוח את דף ההורדה?</translation>
    </message>
    <message>
        <source>ダウンロードページを表示(&amp;O)</source>
        <translation>&amp;פתח את דף ההורדה</translation>
    </message>
    <message>
        <source>今は何もしない(&amp;C)</source>
        <translation>&amp;לא עכשיו</translation>
    </message>
    <message>
        <source>－－－－－デバッグ情報－－－－－</source>
        <translation>--- מידע לניפוי באגים ---</translation>
    </message>
    <message>
        <source>閉じる(&amp;C)</source>
        <translation>&amp;סגור</translation>
    </message>
    <message>
        <source>最新バージョン「%1」が公開されています。</source>
        <translation>פורסמה הגרסה העדכנית ביותר, %1.</translation>
    </message>
    <message>
        <source>最新バージョンはありません。</source>
        <translation>אין גרסה עדכנית יותר.</translation>
    </message>
    <message>
        <source>現在使っているバージョンが最新です。</source>
        <translation>הגרסה שבשימושך היא העדכנית ביותר.</translation>
    </message>
    <message>
        <source>バージョン情報の取得に失敗しました。</source>
        <translation>קבלת פרטי הגרסה נכשלה.</translation>
    </message>
    <message>
        <source>指定されたファイルが見つかりませんでした。</source>
        <translation>הקובץ שצוין לא נמצא.</translation>
    </message>
    <message>
        <source>指定されたURLが見つかりませんでした。</source>
        <translation>כתובת ה-URL שצוינה לא נמצאה.</translation>
    </message>
    <message>
        <source>ブラウザを開くことができませんでした。</source>
        <translation>לא ניתן לפתוח את הדפדפן.</translation>
    </message>
    <message>
        <source>%1 最新バージョンの確認</source>
        <translation>%1 – בדיקת עדכונים</translation>
    </message>
</context>
</TS>
