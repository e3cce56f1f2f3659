<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR" sourcelanguage="ja">
<context>
    <name>frmMain</name>
    <message>
        <source>インターネットに接続されていないか、サーバーが停止している可能性があります。</source>
        <translation>Sem conexão com a Internet, ou o servidor está fora do ar.</translation>
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
        <translation>Nenhuma informação de versão encontrada</translation>
    </message>
    <message>
        <source>バージョン情報が見つかりませんでした。</source>
        <translation>Nenhuma informação de versão encontrada.</translation>
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
        <translation>--- Depuração ---</translation>
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
        <translation>%1 - Verificar atualizações</translation>
    </message>
</context>
</TS>
