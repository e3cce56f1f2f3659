<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it" sourcelanguage="ja">
<context>
    <name>LogTextBox</name>
    <message>
        <source>元に戻す(&amp;U)</source>
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <source>やり直し(&amp;R)</source>
        <translation>&amp;Ripristina</translation>
    </message>
    <message>
        <source>切り取り(&amp;T)</source>
        <translation>&amp;Taglia</translation>
    </message>
    <message>
        <source>コピー(&amp;C)</source>
        <translation>&amp;Copia</translation>
    </message>
    <message>
        <source>貼り付け(&amp;P)</source>
        <translation>&amp;Incolla</translation>
    </message>
    <message>
        <source>削除(&amp;D)</source>
        <translation>&amp;Elimina</translation>
    </message>
    <message>
        <source>すべて選択(&amp;A)</source>
        <translation>&amp;Seleziona tutto</translation>
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
        <translation>Forse manca la connessione a Internet, o forse il server non risponde.</translation>
    </message>
    <message>
        <source>バージョン番号の解析に失敗しました</source>
        <translation>Impossibile leggere il numero di versione</translation>
    </message>
    <message>
        <source>バージョン番号の解析に失敗しました。</source>
        <translation>Impossibile leggere il numero di versione.</translation>
    </message>
    <message>
        <source>バージョン情報が見つかりませんでした</source>
        <translation>Impossibile trovare le informazioni sulla versione</translation>
    </message>
    <message>
        <source>バージョン情報が見つかりませんでした。</source>
        <translation>Impossibile trovare le informazioni sulla versione.</translation>
    </message>
    <message>
        <source>最新バージョンの確認</source>
        <translation>Controllo aggiornamenti</translation>
    </message>
    <message>
        <source>最新バージョンの有無を確認しています．．．</source>
        <translation>Controllo aggiornamenti in corso…</translation>
    </message>
    <message>
        <source>最新バージョンが公開されています。</source>
        <translation>È disponibile una versione più recente.</translation>
    </message>
    <message>
        <source>ダウンロードページを表示しますか？</source>
        <translation>Aprire la pagina di download?</translation>
    </message>
    <message>
        <source>ダウンロードページを表示(&amp;O)</source>
        <translation>&amp;Apri la pagina</translation>
    </message>
    <message>
        <source>今は何もしない(&amp;C)</source>
        <translation>&amp;Non ora</translation>
    </message>
    <message>
        <source>－－－－－デバッグ情報－－－－－</source>
        <translation>--- Informazioni di debug ---</translation>
    </message>
    <message>
        <source>閉じる(&amp;C)</source>
        <translation>&amp;Chiudi</translation>
    </message>
    <message>
        <source>最新バージョン「%1」が公開されています。</source>
        <translation>È disponibile la versione più recente, %1.</translation>
    </message>
    <message>
        <source>最新バージョンはありません。</source>
        <translation>Non ci sono versioni più recenti.</translation>
    </message>
    <message>
        <source>現在使っているバージョンが最新です。</source>
        <translation>La versione in uso è la più recente.</translation>
    </message>
    <message>
        <source>バージョン情報の取得に失敗しました。</source>
        <translation>Impossibile ottenere le informazioni sulla versione.</translation>
    </message>
    <message>
        <source>指定されたファイルが見つかりませんでした。</source>
        <translation>Il file indicato non è stato trovato.</translation>
    </message>
    <message>
        <source>指定されたURLが見つかりませんでした。</source>
        <translation>L’URL indicato non è stato trovato.</translation>
    </message>
    <message>
        <source>ブラウザを開くことができませんでした。</source>
        <translation>Impossibile aprire il browser.</translation>
    </message>
    <message>
        <source>%1 最新バージョンの確認</source>
        <translation>%1 – Controllo aggiornamenti</translation>
    </message>
</context>
</TS>
