<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sv" sourcelanguage="ja">
<context>
    <name>LogTextBox</name>
    <message>
        <source>元に戻す(&amp;U)</source>
        <translation>&amp;Ångra</translation>
    </message>
    <message>
        <source>やり直し(&amp;R)</source>
        <translation>&amp;Gör om</translation>
    </message>
    <message>
        <source>切り取り(&amp;T)</source>
        <translation>Klipp &amp;ut</translation>
    </message>
    <message>
        <source>コピー(&amp;C)</source>
        <translation>&amp;Kopiera</translation>
    </message>
    <message>
        <source>貼り付け(&amp;P)</source>
        <translation>Klistra &amp;in</translation>
    </message>
    <message>
        <source>削除(&amp;D)</source>
        <translation>&amp;Ta bort</translation>
    </message>
    <message>
        <source>すべて選択(&amp;A)</source>
        <translation>&amp;Markera allt</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <comment>Translate this string to the string &apos;LTR&apos; in left-to-right languages or to &apos;RTL&apos; in right-to-left languages (such as Hebrew and Arabic) to get proper widget layout.</comment>
        <translation>LTR</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>インターネットに接続されていないか、サーバーが停止している可能性があります。</source>
        <translation>Du kanske inte är ansluten till internet, eller så kan servern vara nere.</translation>
    </message>
    <message>
        <source>バージョン番号の解析に失敗しました</source>
        <translation>Det gick inte att läsa versionsnumret</translation>
    </message>
    <message>
        <source>バージョン番号の解析に失敗しました。</source>
        <translation>Det gick inte att läsa versionsnumret.</translation>
    </message>
    <message>
        <source>バージョン情報が見つかりませんでした</source>
        <translation>Ingen versionsinformation hittades</translation>
    </message>
    <message>
        <source>バージョン情報が見つかりませんでした。</source>
        <translation>Ingen versionsinformation hittades.</translation>
    </message>
    <message>
        <source>最新バージョンの確認</source>
        <translation>Sök efter uppdateringar</translation>
    </message>
    <message>
        <source>最新バージョンの有無を確認しています．．．</source>
        <translation>Söker efter uppdateringar…</translation>
    </message>
    <message>
        <source>最新バージョンが公開されています。</source>
        <translation>En nyare version har släppts.</translation>
    </message>
    <message>
        <source>ダウンロードページを表示しますか？</source>
        <translation>Vill du öppna nedladdningssidan?</translation>
    </message>
    <message>
        <source>ダウンロードページを表示(&amp;O)</source>
        <translation>&amp;Öppna nedladdningssidan</translation>
    </message>
    <message>
        <source>今は何もしない(&amp;C)</source>
        <translation>&amp;Inte nu</translation>
    </message>
    <message>
        <source>－－－－－デバッグ情報－－－－－</source>
        <translation>--- Felsökningsinformation ---</translation>
    </message>
    <message>
        <source>閉じる(&amp;C)</source>
        <translation>&amp;Stäng</translation>
    </message>
    <message>
        <source>最新バージョン「%1」が公開されています。</source>
        <translation>Den senaste versionen, %1, har släppts.</translation>
    </message>
    <message>
        <source>最新バージョンはありません。</source>
        <translation>Det finns ingen nyare version.</translation>
    </message>
    <message>
        <source>現在使っているバージョンが最新です。</source>
        <translation>Du använder redan den senaste versionen.</translation>
    </message>
    <message>
        <source>バージョン情報の取得に失敗しました。</source>
        <translation>Det gick inte att hämta versionsinformationen.</translation>
    </message>
    <message>
        <source>指定されたファイルが見つかりませんでした。</source>
        <translation>Den angivna filen hittades inte.</translation>
    </message>
    <message>
        <source>指定されたURLが見つかりませんでした。</source>
        <translation>Den angivna URL:en hittades inte.</translation>
    </message>
    <message>
        <source>ブラウザを開くことができませんでした。</source>
        <translation>Det gick inte att öppna webbläsaren.</translation>
    </message>
    <message>
        <source>%1 最新バージョンの確認</source>
        <translation>%1 – Sök efter uppdateringar</translation>
    </message>
</context>
</TS>
