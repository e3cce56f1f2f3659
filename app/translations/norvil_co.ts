<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="co" sourcelanguage="ja">
<context>
    <name>LogTextBox</name>
    <message>
        <source>元に戻す(&amp;U)</source>
        <translation>&amp;Annullà</translation>
    </message>
    <message>
        <source>やり直し(&amp;R)</source>
        <translation>&amp;Rifà</translation>
    </message>
    <message>
        <source>切り取り(&amp;T)</source>
        <translation>&amp;Taglià</translation>
    </message>
    <message>
        <source>コピー(&amp;C)</source>
        <translation>&amp;Cupià</translation>
    </message>
    <message>
        <source>貼り付け(&amp;P)</source>
        <translation>&amp;Incullà</translation>
    </message>
    <message>
        <source>削除(&amp;D)</source>
        <translation>&amp;Squassà</translation>
    </message>
    <message>
        <source>すべて選択(&amp;A)</source>
        <translation>Selezziunà t&amp;uttu</translation>
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
        <translation>Forse ùn site cunnessu à Internet, o forse u servitore ùn funziona.</translation>
    </message>
    <message>
        <source>バージョン番号の解析に失敗しました</source>
        <translation>Impussibule di leghje u numeru di versione</translation>
    </message>
    <message>
        <source>バージョン番号の解析に失敗しました。</source>
        <translation>Impussibule di leghje u numeru di versione.</translation>
    </message>
    <message>
        <source>バージョン情報が見つかりませんでした</source>
        <translation>Impussibule di truvà l’infurmazioni di versione</translation>
    </message>
    <message>
        <source>バージョン情報が見つかりませんでした。</source>
        <translation>Impussibule di truvà l’infurmazioni di versione.</translation>
    </message>
    <message>
        <source>最新バージョンの確認</source>
        <translation>Ricerca d’aghjurnamenti</translation>
    </message>
    <message>
        <source>最新バージョンの有無を確認しています．．．</source>
        <translation>Ricerca d’aghjurnamenti in corsu…</translation>
    </message>
    <message>
        <source>最新バージョンが公開されています。</source>
        <translation>Una versione più recente hè dispunibule.</translation>
    </message>
    <message>
        <source>ダウンロードページを表示しますか？</source>
        <translation>Apre a pagina di scaricamentu?</translation>
    </message>
    <message>
        <source>ダウンロードページを表示(&amp;O)</source>
        <translation>&amp;Apre a pagina</translation>
    </message>
    <message>
        <source>今は何もしない(&amp;C)</source>
        <translation>&amp;Micca avà</translation>
    </message>
    <message>
        <source>－－－－－デバッグ情報－－－－－</source>
        <translation>--- Infurmazioni di debugging ---</translation>
    </message>
    <message>
        <source>閉じる(&amp;C)</source>
        <translation>&amp;Chjode</translation>
    </message>
    <message>
        <source>最新バージョン「%1」が公開されています。</source>
        <translation>A versione più recente, «%1», hè dispunibule.</translation>
    </message>
    <message>
        <source>最新バージョンはありません。</source>
        <translation>Ùn ci hè nisuna versione più recente.</translation>
    </message>
    <message>
        <source>現在使っているバージョンが最新です。</source>
        <translation>A versione chì vo aduprate hè a più recente.</translation>
    </message>
    <message>
        <source>バージョン情報の取得に失敗しました。</source>
        <translation>Impussibule d’ottene l’infurmazioni di versione.</translation>
    </message>
    <message>
        <source>指定されたファイルが見つかりませんでした。</source>
        <translation>Impussibule di truvà u schedariu specificatu.</translation>
    </message>
    <message>
        <source>指定されたURLが見つかりませんでした。</source>
        <translation>Impussibule di truvà l’URL specificatu.</translation>
    </message>
    <message>
        <source>ブラウザを開くことができませんでした。</source>
        <translation>Impussibule d’apre u navigatore.</translation>
    </message>
    <message>
        <source>%1 最新バージョンの確認</source>
        <translation>%1 – Ricerca d’aghjurnamenti</translation>
    </message>
</context>
</TS>
