<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="gl" sourcelanguage="ja">
<context>
    <name>LogTextBox</name>
    <message>
        <source>元に戻す(&amp;U)</source>
        <translation>&amp;Desfacer</translation>
    </message>
    <message>
        <source>やり直し(&amp;R)</source>
        <translation>&amp;Refacer</translation>
    </message>
    <message>
        <source>切り取り(&amp;T)</source>
        <translation>Cor&amp;tar</translation>
    </message>
    <message>
        <source>コピー(&amp;C)</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>貼り付け(&amp;P)</source>
        <translation>&amp;Pegar</translation>
    </message>
    <message>
        <source>削除(&amp;D)</source>
        <translation>&amp;Eliminar</translation>
    </message>
    <message>
        <source>すべて選択(&amp;A)</source>
        <translation>&amp;Seleccionar todo</translation>
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
        <translation>Pode que non teña Internet ou que o servidor non responda.</translation>
    </message>
    <message>
        <source>バージョン番号の解析に失敗しました</source>
        <translation>Non se puido ler o número de versión</translation>
    </message>
    <message>
        <source>バージョン番号の解析に失敗しました。</source>
        <translation>Non se puido ler o número de versión.</translation>
    </message>
    <message>
        <source>バージョン情報が見つかりませんでした</source>
        <translation>Non se atopou a información da versión</translation>
    </message>
    <message>
        <source>バージョン情報が見つかりませんでした。</source>
        <translation>Non se atopou a información da versión.</translation>
    </message>
    <message>
        <source>最新バージョンの確認</source>
        <translation>Buscar actualizacións</translation>
    </message>
    <message>
        <source>最新バージョンの有無を確認しています．．．</source>
        <translation>Buscando actualizacións…</translation>
    </message>
    <message>
        <source>最新バージョンが公開されています。</source>
        <translation>Hai dispoñible unha versión máis recente.</translation>
    </message>
    <message>
        <source>ダウンロードページを表示しますか？</source>
        <translation>Abrir a páxina de descarga?</translation>
    </message>
    <message>
        <source>ダウンロードページを表示(&amp;O)</source>
        <translation>&amp;Abrir a páxina</translation>
    </message>
    <message>
        <source>今は何もしない(&amp;C)</source>
        <translation>Agora &amp;non</translation>
    </message>
    <message>
        <source>－－－－－デバッグ情報－－－－－</source>
        <translation>--- Información de depuración ---</translation>
    </message>
    <message>
        <source>閉じる(&amp;C)</source>
        <translation>&amp;Pechar</translation>
    </message>
    <message>
        <source>最新バージョン「%1」が公開されています。</source>
        <translation>Versión máis recente dispoñible: «%1».</translation>
    </message>
    <message>
        <source>最新バージョンはありません。</source>
        <translation>Non hai ningunha versión máis recente.</translation>
    </message>
    <message>
        <source>現在使っているバージョンが最新です。</source>
        <translation>Está a usar a versión máis recente.</translation>
    </message>
    <message>
        <source>バージョン情報の取得に失敗しました。</source>
        <translation>Non se puido obter a información da versión.</translation>
    </message>
    <message>
        <source>指定されたファイルが見つかりませんでした。</source>
        <translation>Non se atopou o ficheiro especificado.</translation>
    </message>
    <message>
        <source>指定されたURLが見つかりませんでした。</source>
        <translation>Non se atopou o URL especificado.</translation>
    </message>
    <message>
        <source>ブラウザを開くことができませんでした。</source>
        <translation>Non se puido abrir o navegador.</translation>
    </message>
    <message>
        <source>%1 最新バージョンの確認</source>
        <translation>%1 – Buscar actualizacións</translation>
    </message>
</context>
</TS>
