<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="af" sourcelanguage="ja">
<context>
    <name>LogTextBox</name>
    <message>
        <source>元に戻す(&amp;U)</source>
        <translation>&amp;Ontdoen</translation>
    </message>
    <message>
        <source>やり直し(&amp;R)</source>
        <translation>&amp;Herdoen</translation>
    </message>
    <message>
        <source>切り取り(&amp;T)</source>
        <translation>K&amp;nip</translation>
    </message>
    <message>
        <source>コピー(&amp;C)</source>
        <translation>&amp;Kopieer</translation>
    </message>
    <message>
        <source>貼り付け(&amp;P)</source>
        <translation>&amp;Plak</translation>
    </message>
    <message>
        <source>削除(&amp;D)</source>
        <translation>&amp;Skrap</translation>
    </message>
    <message>
        <source>すべて選択(&amp;A)</source>
        <translation>Kies &amp;alles</translation>
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
        <translation>Daar is dalk geen internetverbinding nie, of die bediener werk dalk nie.</translation>
    </message>
    <message>
        <source>バージョン番号の解析に失敗しました</source>
        <translation>Die weergawenommer kon nie gelees word nie</translation>
    </message>
    <message>
        <source>バージョン番号の解析に失敗しました。</source>
        <translation>Die weergawenommer kon nie gelees word nie.</translation>
    </message>
    <message>
        <source>バージョン情報が見つかりませんでした</source>
        <translation>Die weergawe-inligting kon nie gevind word nie</translation>
    </message>
    <message>
        <source>バージョン情報が見つかりませんでした。</source>
        <translation>Die weergawe-inligting kon nie gevind word nie.</translation>
    </message>
    <message>
        <source>最新バージョンの確認</source>
        <translation>Kyk vir bywerkings</translation>
    </message>
    <message>
        <source>最新バージョンの有無を確認しています．．．</source>
        <translation>Kyk tans vir bywerkings…</translation>
    </message>
    <message>
        <source>最新バージョンが公開されています。</source>
        <translation>’n Nuwer weergawe is vrygestel.</translation>
    </message>
    <message>
        <source>ダウンロードページを表示しますか？</source>
        <translation>Wil u die aflaaibladsy oopmaak?</translation>
    </message>
    <message>
        <source>ダウンロードページを表示(&amp;O)</source>
        <translation>&amp;Maak aflaaibladsy oop</translation>
    </message>
    <message>
        <source>今は何もしない(&amp;C)</source>
        <translation>&amp;Nie nou nie</translation>
    </message>
    <message>
        <source>－－－－－デバッグ情報－－－－－</source>
        <translation>--- Ontfoutingsinligting ---</translation>
    </message>
    <message>
        <source>閉じる(&amp;C)</source>
        <translation>&amp;Sluit</translation>
    </message>
    <message>
        <source>最新バージョン「%1」が公開されています。</source>
        <translation>Die nuutste weergawe, %1, is vrygestel.</translation>
    </message>
    <message>
        <source>最新バージョンはありません。</source>
        <translation>Daar is geen nuwer weergawe nie.</translation>
    </message>
    <message>
        <source>現在使っているバージョンが最新です。</source>
        <translation>U gebruik reeds die nuutste weergawe.</translation>
    </message>
    <message>
        <source>バージョン情報の取得に失敗しました。</source>
        <translation>Die weergawe-inligting kon nie verkry word nie.</translation>
    </message>
    <message>
        <source>指定されたファイルが見つかりませんでした。</source>
        <translation>Die gespesifiseerde lêer kon nie gevind word nie.</translation>
    </message>
    <message>
        <source>指定されたURLが見つかりませんでした。</source>
        <translation>Die gespesifiseerde URL kon nie gevind word nie.</translation>
    </message>
    <message>
        <source>ブラウザを開くことができませんでした。</source>
        <translation>Die blaaier kon nie oopgemaak word nie.</translation>
    </message>
    <message>
        <source>%1 最新バージョンの確認</source>
        <translation>%1 – Kyk vir bywerkings</translation>
    </message>
</context>
</TS>
