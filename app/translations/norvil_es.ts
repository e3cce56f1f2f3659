<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="ja">
<context>
    <name>LogTextBox</name>
    <message>
        <source>元に戻す(&amp;U)</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <source>やり直し(&amp;R)</source>
        <translation>&amp;Rehacer</translation>
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
        <translation>Puede que no haya conexión a Internet o que el servidor no responda.</translation>
    </message>
    <message>
        <source>バージョン番号の解析に失敗しました</source>
        <translation>No se pudo leer el número de versión</translation>
    </message>
    <message>
        <source>バージョン番号の解析に失敗しました。</source>
        <translation>No se pudo leer el número de versión.</translation>
    </message>
    <message>
        <source>バージョン情報が見つかりませんでした</source>
        <translation>No se encontró la información de versión</translation>
    </message>
    <message>
        <source>バージョン情報が見つかりませんでした。</source>
        <translation>No se encontró la información de versión.</translation>
    </message>
    <message>
        <source>最新バージョンの確認</source>
        <translation>Buscar actualizaciones</translation>
    </message>
    <message>
        <source>最新バージョンの有無を確認しています．．．</source>
        <translation>Buscando actualizaciones…</translation>
    </message>
    <message>
        <source>最新バージョンが公開されています。</source>
        <translation>Hay una versión más reciente disponible.</translation>
    </message>
    <message>
        <source>ダウンロードページを表示しますか？</source>
        <translation>¿Abrir la página de descarga?</translation>
    </message>
    <message>
        <source>ダウンロードページを表示(&amp;O)</source>
        <translation>&amp;Abrir la página</translation>
    </message>
    <message>
        <source>今は何もしない(&amp;C)</source>
        <translation>Ahora &amp;no</translation>
    </message>
    <message>
        <source>－－－－－デバッグ情報－－－－－</source>
        <translation>--- Información de depuración ---</translation>
    </message>
    <message>
        <source>閉じる(&amp;C)</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>最新バージョン「%1」が公開されています。</source>
        <translation>La versión más reciente, %1, está disponible.</translation>
    </message>
    <message>
        <source>最新バージョンはありません。</source>
        <translation>No hay ninguna versión más reciente.</translation>
    </message>
    <message>
        <source>現在使っているバージョンが最新です。</source>
        <translation>Está usando la versión más reciente.</translation>
    </message>
    <message>
        <source>バージョン情報の取得に失敗しました。</source>
        <translation>No se pudo obtener la información de versión.</translation>
    </message>
    <message>
        <source>指定されたファイルが見つかりませんでした。</source>
        <translation>No se encontró el archivo indicado.</translation>
    </message>
    <message>
        <source>指定されたURLが見つかりませんでした。</source>
        <translation>No se encontró la URL indicada.</translation>
    </message>
    <message>
        <source>ブラウザを開くことができませんでした。</source>
        <translation>No se pudo abrir el navegador.</translation>
    </message>
    <message>
        <source>%1 最新バージョンの確認</source>
        <translation>%1 – Buscar actualizaciones</translation>
    </message>
</context>
</TS>
