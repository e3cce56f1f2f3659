<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="ja">
<context>
    <name>frmMain</name>
    <message>
        <source>インターネットに接続されていないか、サーバーが停止している可能性があります。</source>
        <translation>Vous êtes peut-être hors ligne, ou le serveur est arrêté.</translation>
    </message>
    <message>
        <source>バージョン番号の解析に失敗しました</source>
        <translation>Impossible de lire le numéro de version</translation>
    </message>
    <message>
        <source>バージョン番号の解析に失敗しました。</source>
        <translation>Impossible de lire le numéro de version.</translation>
    </message>
    <message>
        <source>バージョン情報が見つかりませんでした</source>
        <translation>Aucune information de version trouvée</translation>
    </message>
    <message>
        <source>バージョン情報が見つかりませんでした。</source>
        <translation>Aucune information de version trouvée.</translation>
    </message>
    <message>
        <source>最新バージョンの確認</source>
        <translation>Recherche de mises à jour</translation>
    </message>
    <message>
        <source>最新バージョンの有無を確認しています．．．</source>
        <translation>Recherche de mises à jour…</translation>
    </message>
    <message>
        <source>最新バージョンが公開されています。</source>
        <translation>Une nouvelle version est disponible.</translation>
    </message>
    <message>
        <source>ダウンロードページを表示しますか？</source>
        <translation>Ouvrir la page de téléchargement&#xa0;?</translation>
    </message>
    <message>
        <source>ダウンロードページを表示(&amp;O)</source>
        <translation>&amp;Ouvrir la page</translation>
    </message>
    <message>
        <source>今は何もしない(&amp;C)</source>
        <translation>&amp;Pas maintenant</translation>
    </message>
    <message>
        <source>－－－－－デバッグ情報－－－－－</source>
        <translation>--- Débogage ---</translation>
    </message>
    <message>
        <source>閉じる(&amp;C)</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>最新バージョン「%1」が公開されています。</source>
        <translation>La dernière version, %1, est disponible.</translation>
    </message>
    <message>
        <source>最新バージョンはありません。</source>
        <translation>Aucune nouvelle version.</translation>
    </message>
    <message>
        <source>現在使っているバージョンが最新です。</source>
        <translation>Vous utilisez la dernière version.</translation>
    </message>
    <message>
        <source>バージョン情報の取得に失敗しました。</source>
        <translation>Impossible d’obtenir les informations de version.</translation>
    </message>
    <message>
        <source>指定されたファイルが見つかりませんでした。</source>
        <translation>Le fichier indiqué est introuvable.</translation>
    </message>
    <message>
        <source>指定されたURLが見つかりませんでした。</source>
        <translation>L’URL indiquée est introuvable.</translation>
    </message>
    <message>
        <source>ブラウザを開くことができませんでした。</source>
        <translation>Impossible d’ouvrir le navigateur.</translation>
    </message>
    <message>
        <source>%1 最新バージョンの確認</source>
        <translation>%1 - Recherche de mises à jour</translation>
    </message>
</context>
</TS>
