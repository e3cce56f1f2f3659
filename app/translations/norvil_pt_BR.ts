<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR" sourcelanguage="ja">
<context>
    <name>LogTextBox</name>
    <message>
        <source>元に戻す(&amp;U)</source>
        <translation>&amp;Desfazer</translation>
    </message>
    <message>
        <source>やり直し(&amp;R)</source>
        <translation>&amp;Refazer</translation>
    </message>
    <message>
        <source>切り取り(&amp;T)</source>
        <translation>Recor&amp;tar</translation>
    </message>
    <message>
        <source>コピー(&amp;C)</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>貼り付け(&amp;P)</source>
        <translation>C&amp;olar</translation>
    </message>
    <message>
        <source>削除(&amp;D)</source>
        <translation>&amp;Excluir</translation>
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
        <translation>Talvez não haja conexão com a Internet ou o servidor esteja fora do ar.</translation>
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
        <translation>Não foi possível encontrar as informações de versão</translation>
    </message>
    <message>
        <source>バージョン情報が見つかりませんでした。</source>
        <translation>Não foi possível encontrar as informações de versão.</translation>
    </message>
    <message>
        <source>最新バージョンの確認</source>
        <translation>Verificar atualizações</translation>
    </message>
    <message>
        <source>最新バージョンの有無を確認しています．．．</source>
        <translation>Verificando atualizações…</translation>
    </message>
    <message>
        <source>最新バージョンが公開されています。</source>
        <translation>Há uma versão mais recente.</translation>
    </message>
    <message>
        <source>ダウンロードページを表示しますか？</source>
        <translation>Abrir a página de download?</translation>
    </message>
    <message>
        <source>ダウンロードページを表示(&amp;O)</source>
        <translation>&amp;Abrir a página</translation>
    </message>
    <message>
        <source>今は何もしない(&amp;C)</source>
        <translation>A&amp;gora não</translation>
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
        <translation>A versão mais recente, %1, foi publicada.</translation>
    </message>
    <message>
        <source>最新バージョンはありません。</source>
        <translation>Não há versão mais recente.</translation>
    </message>
    <message>
        <source>現在使っているバージョンが最新です。</source>
        <translation>A versão em uso é a mais recente.</translation>
    </message>
    <message>
        <source>バージョン情報の取得に失敗しました。</source>
        <translation>Não foi possível obter as informações de versão.</translation>
    </message>
    <message>
        <source>指定されたファイルが見つかりませんでした。</source>
        <translation>O arquivo indicado não foi encontrado.</translation>
    </message>
    <message>
        <source>指定されたURLが見つかりませんでした。</source>
        <translation>A URL indicada não foi encontrada.</translation>
    </message>
    <message>
        <source>ブラウザを開くことができませんでした。</source>
        <translation>Não foi possível abrir o navegador.</translation>
    </message>
    <message>
        <source>%1 最新バージョンの確認</source>
        <translation>%1 – Verificar atualizações</translation>
    </message>
</context>
</TS>
