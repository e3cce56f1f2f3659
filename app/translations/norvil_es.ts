<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="ja">
<context>
    <name>frmMain</name>
    <message>
        <source>インターネットに接続されていないか、サーバーが停止している可能性があります。</source>
        <translation>Sin conexión a Internet, o el servidor no responde.</translation>
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
        <translation>No se encontró información de versión</translation>
    </message>
    <message>
        <source>バージョン情報が見つかりませんでした。</source>
        <translation>No se encontró información de versión.</translation>
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
        <translation>Hay una versión más reciente.</translation>
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
        <translation>--- Depuración ---</translation>
    </message>
    <message>
        <source>閉じる(&amp;C)</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>最新バージョン「%1」が公開されています。</source>
        <translation>La versión más reciente, %1, ya está disponible.</translation>
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
        <translation>%1 - Buscar actualizaciones</translation>
    </message>
</context>
</TS>
