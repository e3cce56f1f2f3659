<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fy" sourcelanguage="ja">
<context>
    <name>LogTextBox</name>
    <message>
        <source>元に戻す(&amp;U)</source>
        <translation>&amp;Ungedien meitsje</translation>
    </message>
    <message>
        <source>やり直し(&amp;R)</source>
        <translation>&amp;Opnij dwaan</translation>
    </message>
    <message>
        <source>切り取り(&amp;T)</source>
        <translation>K&amp;nippe</translation>
    </message>
    <message>
        <source>コピー(&amp;C)</source>
        <translation>&amp;Kopiearje</translation>
    </message>
    <message>
        <source>貼り付け(&amp;P)</source>
        <translation>&amp;Plakke</translation>
    </message>
    <message>
        <source>削除(&amp;D)</source>
        <translation>&amp;Fuortsmite</translation>
    </message>
    <message>
        <source>すべて選択(&amp;A)</source>
        <translation>&amp;Alles selektearje</translation>
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
        <translation>Mooglik is der gjin ynternetferbining of is de tsjinner net berikber.</translation>
    </message>
    <message>
        <source>バージョン番号の解析に失敗しました</source>
        <translation>It ferzjenûmer koe net lêzen wurde</translation>
    </message>
    <message>
        <source>バージョン番号の解析に失敗しました。</source>
        <translation>It ferzjenûmer koe net lêzen wurde.</translation>
    </message>
    <message>
        <source>バージョン情報が見つかりませんでした</source>
        <translation>De ferzje-ynformaasje koe net fûn wurde</translation>
    </message>
    <message>
        <source>バージョン情報が見つかりませんでした。</source>
        <translation>De ferzje-ynformaasje koe net fûn wurde.</translation>
    </message>
    <message>
        <source>最新バージョンの確認</source>
        <translation>Kontrolearje op fernijingen</translation>
    </message>
    <message>
        <source>最新バージョンの有無を確認しています．．．</source>
        <translation>Kontrolearje op fernijingen…</translation>
    </message>
    <message>
        <source>最新バージョンが公開されています。</source>
        <translation>Der is in nijere ferzje ferskynd.</translation>
    </message>
    <message>
        <source>ダウンロードページを表示しますか？</source>
        <translation>Wolle jo de downloadside iepenje?</translation>
    </message>
    <message>
        <source>ダウンロードページを表示(&amp;O)</source>
        <translation>&amp;Downloadside iepenje</translation>
    </message>
    <message>
        <source>今は何もしない(&amp;C)</source>
        <translation>&amp;No net</translation>
    </message>
    <message>
        <source>－－－－－デバッグ情報－－－－－</source>
        <translation>--- Debug-ynformaasje ---</translation>
    </message>
    <message>
        <source>閉じる(&amp;C)</source>
        <translation>&amp;Slute</translation>
    </message>
    <message>
        <source>最新バージョン「%1」が公開されています。</source>
        <translation>De nijste ferzje, %1, is ferskynd.</translation>
    </message>
    <message>
        <source>最新バージョンはありません。</source>
        <translation>Der is gjin nijere ferzje.</translation>
    </message>
    <message>
        <source>現在使っているバージョンが最新です。</source>
        <translation>Jo brûke de nijste ferzje al.</translation>
    </message>
    <message>
        <source>バージョン情報の取得に失敗しました。</source>
        <translation>It opheljen fan de ferzje-ynformaasje is mislearre.</translation>
    </message>
    <message>
        <source>指定されたファイルが見つかりませんでした。</source>
        <translation>It opjûne bestân koe net fûn wurde.</translation>
    </message>
    <message>
        <source>指定されたURLが見つかりませんでした。</source>
        <translation>De opjûne URL koe net fûn wurde.</translation>
    </message>
    <message>
        <source>ブラウザを開くことができませんでした。</source>
        <translation>De browser koe net iepene wurde.</translation>
    </message>
    <message>
        <source>%1 最新バージョンの確認</source>
        <translation>%1 – Kontrolearje op fernijingen</translation>
    </message>
</context>
</TS>
