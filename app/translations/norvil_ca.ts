<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ca" sourcelanguage="ja">
<context>
    <name>LogTextBox</name>
    <message>
        <source>元に戻す(&amp;U)</source>
        <translation>&amp;Desfés</translation>
    </message>
    <message>
        <source>やり直し(&amp;R)</source>
        <translation>&amp;Refés</translation>
    </message>
    <message>
        <source>切り取り(&amp;T)</source>
        <translation>Re&amp;talla</translation>
    </message>
    <message>
        <source>コピー(&amp;C)</source>
        <translation>&amp;Copia</translation>
    </message>
    <message>
        <source>貼り付け(&amp;P)</source>
        <translation>&amp;Enganxa</translation>
    </message>
    <message>
        <source>削除(&amp;D)</source>
        <translation>&amp;Suprimeix</translation>
    </message>
    <message>
        <source>すべて選択(&amp;A)</source>
        <translation>Seleccion&amp;a-ho tot</translation>
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
        <translation>Potser no teniu connexió a Internet, o potser el servidor està aturat.</translation>
    </message>
    <message>
        <source>バージョン番号の解析に失敗しました</source>
        <translation>No s’ha pogut llegir el número de versió</translation>
    </message>
    <message>
        <source>バージョン番号の解析に失敗しました。</source>
        <translation>No s’ha pogut llegir el número de versió.</translation>
    </message>
    <message>
        <source>バージョン情報が見つかりませんでした</source>
        <translation>No s’ha trobat la informació de la versió</translation>
    </message>
    <message>
        <source>バージョン情報が見つかりませんでした。</source>
        <translation>No s’ha trobat la informació de la versió.</translation>
    </message>
    <message>
        <source>最新バージョンの確認</source>
        <translation>Cerca d’actualitzacions</translation>
    </message>
    <message>
        <source>最新バージョンの有無を確認しています．．．</source>
        <translation>S’estan cercant actualitzacions…</translation>
    </message>
    <message>
        <source>最新バージョンが公開されています。</source>
        <translation>Hi ha disponible una versió més recent.</translation>
    </message>
    <message>
        <source>ダウンロードページを表示しますか？</source>
        <translation>Voleu obrir la pàgina de baixada?</translation>
    </message>
    <message>
        <source>ダウンロードページを表示(&amp;O)</source>
        <translation>&amp;Obre la pàgina</translation>
    </message>
    <message>
        <source>今は何もしない(&amp;C)</source>
        <translation>&amp;Ara no</translation>
    </message>
    <message>
        <source>－－－－－デバッグ情報－－－－－</source>
        <translation>--- Informació de depuració ---</translation>
    </message>
    <message>
        <source>閉じる(&amp;C)</source>
        <translation>&amp;Tanca</translation>
    </message>
    <message>
        <source>最新バージョン「%1」が公開されています。</source>
        <translation>La versió més recent, «%1», està disponible.</translation>
    </message>
    <message>
        <source>最新バージョンはありません。</source>
        <translation>No hi ha cap versió més recent.</translation>
    </message>
    <message>
        <source>現在使っているバージョンが最新です。</source>
        <translation>Esteu utilitzant la versió més recent.</translation>
    </message>
    <message>
        <source>バージョン情報の取得に失敗しました。</source>
        <translation>No s’ha pogut obtenir la informació de la versió.</translation>
    </message>
    <message>
        <source>指定されたファイルが見つかりませんでした。</source>
        <translation>No s’ha trobat el fitxer especificat.</translation>
    </message>
    <message>
        <source>指定されたURLが見つかりませんでした。</source>
        <translation>No s’ha trobat l’URL especificat.</translation>
    </message>
    <message>
        <source>ブラウザを開くことができませんでした。</source>
        <translation>No s’ha pogut obrir el navegador.</translation>
    </message>
    <message>
        <source>%1 最新バージョンの確認</source>
        <translation>%1 – Cerca d’actualitzacions</translation>
    </message>
</context>
</TS>
