<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="lt" sourcelanguage="ja">
<context>
    <name>LogTextBox</name>
    <message>
        <source>元に戻す(&amp;U)</source>
        <translation>&amp;Anuliuoti</translation>
    </message>
    <message>
        <source>やり直し(&amp;R)</source>
        <translation>&amp;Perdaryti</translation>
    </message>
    <message>
        <source>切り取り(&amp;T)</source>
        <translation>&amp;Iškirpti</translation>
    </message>
    <message>
        <source>コピー(&amp;C)</source>
        <translation>&amp;Kopijuoti</translation>
    </message>
    <message>
        <source>貼り付け(&amp;P)</source>
        <translation>Įk&amp;lijuoti</translation>
    </message>
    <message>
        <source>削除(&amp;D)</source>
        <translation>&amp;Naikinti</translation>
    </message>
    <message>
        <source>すべて選択(&amp;A)</source>
        <translation>Žymėti &amp;viską</translation>
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
        <translation>Galbūt nesate prisijungę prie interneto arba neveikia serveris.</translation>
    </message>
    <message>
        <source>バージョン番号の解析に失敗しました</source>
        <translation>Nepavyko nuskaityti versijos numerio</translation>
    </message>
    <message>
        <source>バージョン番号の解析に失敗しました。</source>
        <translation>Nepavyko nuskaityti versijos numerio.</translation>
    </message>
    <message>
        <source>バージョン情報が見つかりませんでした</source>
        <translation>Versijos informacija nerasta</translation>
    </message>
    <message>
        <source>バージョン情報が見つかりませんでした。</source>
        <translation>Versijos informacija nerasta.</translation>
    </message>
    <message>
        <source>最新バージョンの確認</source>
        <translation>Naujinimų tikrinimas</translation>
    </message>
    <message>
        <source>最新バージョンの有無を確認しています．．．</source>
        <translation>Tikrinama, ar yra naujinimų…</translation>
    </message>
    <message>
        <source>最新バージョンが公開されています。</source>
        <translation>Išleista naujesnė versija.</translation>
    </message>
    <message>
        <source>ダウンロードページを表示しますか？</source>
        <translation>Ar atverti atsisiuntimo puslapį?</translation>
    </message>
    <message>
        <source>ダウンロードページを表示(&amp;O)</source>
        <translation>&amp;Atverti atsisiuntimo puslapį</translation>
    </message>
    <message>
        <source>今は何もしない(&amp;C)</source>
        <translation>&amp;Ne dabar</translation>
    </message>
    <message>
        <source>－－－－－デバッグ情報－－－－－</source>
        <translation>--- Derinimo informacija ---</translation>
    </message>
    <message>
        <source>閉じる(&amp;C)</source>
        <translation>&amp;Uždaryti</translation>
    </message>
    <message>
        <source>最新バージョン「%1」が公開されています。</source>
        <translation>Išleista naujesnė versija „%1“.</translation>
    </message>
    <message>
        <source>最新バージョンはありません。</source>
        <translation>Naujesnės versijos nėra.</translation>
    </message>
    <message>
        <source>現在使っているバージョンが最新です。</source>
        <translation>Naudojate naujausią versiją.</translation>
    </message>
    <message>
        <source>バージョン情報の取得に失敗しました。</source>
        <translation>Nepavyko gauti versijos informacijos.</translation>
    </message>
    <message>
        <source>指定されたファイルが見つかりませんでした。</source>
        <translation>Nurodytas failas nerastas.</translation>
    </message>
    <message>
        <source>指定されたURLが見つかりませんでした。</source>
        <translation>Nurodytas URL adresas nerastas.</translation>
    </message>
    <message>
        <source>ブラウザを開くことができませんでした。</source>
        <translation>Nepavyko atverti naršyklės.</translation>
    </message>
    <message>
        <source>%1 最新バージョンの確認</source>
        <translation>%1 – Naujinimų tikrinimas</translation>
    </message>
</context>
</TS>
