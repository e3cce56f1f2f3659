<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_PT" sourcelanguage="ja">
<context>
    <name>LogTextBox</name>
    <message>
        <source>元に戻す(&amp;U)</source>
        <translation>&amp;Anular</translation>
    </message>
    <message>
        <source>やり直し(&amp;R)</source>
        <translation>&amp;Refazer</translation>
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
        <translation>Co&amp;lar</translation>
    </message>
    <message>
        <source>削除(&amp;D)</source>
        <translation>&amp;Eliminar</translation>
    </message>
    <message>
        <source>すべて選択(&amp;A)</source>
        <translation>&amp;Selecionar tudo</translation>
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
        <translation>Talvez não esteja ligado à Internet ou o servidor esteja indisponível.</translation>
    </message>
    <message>
        <source>バージョン番号の解析に失敗しました</source>
        <translation>Não foi possível ler o número da versão</translation>
    </message>
    <message>
        <source>バージョン番号の解析に失敗しました。</source>
        <translation>Não foi possível ler o número da versão.</translation>
    </message>
    <message>
        <source>バージョン情報が見つかりませんでした</source>
        <translation>Não foi possível encontrar as informações da versão</translation>
    </message>
    <message>
        <source>バージョン情報が見つかりませんでした。</source>
        <translation>Não foi possível encontrar as informações da versão.</translation>
    </message>
    <message>
        <source>最新バージョンの確認</source>
        <translation>Procurar atualizações</translation>
    </message>
    <message>
        <source>最新バージョンの有無を確認しています．．．</source>
        <translation>A procurar atualizações…</translation>
    </message>
    <message>
        <source>最新バージョンが公開されています。</source>
        <translation>Está disponível uma versão mais recente.</translation>
    </message>
    <message>
        <source>ダウンロードページを表示しますか？</source>
        <translation>Pretende abrir a página de transferências?</translation>
    </message>
    <message>
        <source>ダウンロードページを表示(&amp;O)</source>
        <translation>&amp;Abrir a página</translation>
    </message>
    <message>
        <source>今は何もしない(&amp;C)</source>
        <translation>Agora &amp;não</translation>
    </message>
    <message>
        <source>－－－－－デバッグ情報－－－－－</source>
        <translation>--- Informações de depuração ---</translation>
    </message>
    <message>
        <source>閉じる(&amp;C)</source>
        <translation>&amp;Fechar</translation>
    </message>
    <message>
        <source>最新バージョン「%1」が公開されています。</source>
        <translation>A versão mais recente, %1, está disponível.</translation>
    </message>
    <message>
        <source>最新バージョンはありません。</source>
        <translation>Não existe nenhuma versão mais recente.</translation>
    </message>
    <message>
        <source>現在使っているバージョンが最新です。</source>
        <translation>Está a utilizar a versão mais recente.</translation>
    </message>
    <message>
        <source>バージョン情報の取得に失敗しました。</source>
        <translation>Não foi possível obter as informações da versão.</translation>
    </message>
    <message>
        <source>指定されたファイルが見つかりませんでした。</source>
        <translation>Não foi possível encontrar o ficheiro especificado.</translation>
    </message>
    <message>
        <source>指定されたURLが見つかりませんでした。</source>
        <translation>Não foi possível encontrar o URL especificado.</translation>
    </message>
    <message>
        <source>ブラウザを開くことができませんでした。</source>
        <translation>Não foi possível abrir o browser.</translation>
    </message>
    <message>
        <source>%1 最新バージョンの確認</source>
        <translation>%1 – Procurar atualizações</translation>
    </message>
</context>
</TS>
