<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="ja">
<context>
    <name>LogTextBox</name>
    <message>
        <source>元に戻す(&amp;U)</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>やり直し(&amp;R)</source>
        <translation>&amp;Rétablir</translation>
    </message>
    <message>
        <source>切り取り(&amp;T)</source>
        <translation>Co&amp;uper</translation>
    </message>
    <message>
        <source>コピー(&amp;C)</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>貼り付け(&amp;P)</source>
        <translation>C&amp;oller</translation>
    </message>
    <message>
        <source>削除(&amp;D)</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>すべて選択(&amp;A)</source>
        <translation>Sélectionner &amp;tout</translation>
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
        <translation>Il se peut que vous soyez hors ligne ou que le serveur soit indisponible.</translation>
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
        <translation>Impossible de trouver les informations de version</translation>
    </message>
    <message>
        <source>バージョン情報が見つかりませんでした。</source>
        <translation>Impossible de trouver les informations de version.</translation>
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
        <translation>Une version plus récente est disponible.</translation>
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
        <translation>--- Informations de débogage ---</translation>
    </message>
    <message>
        <source>閉じる(&amp;C)</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>最新バージョン「%1」が公開されています。</source>
        <translation>La version la plus récente, %1, est disponible.</translation>
    </message>
    <message>
        <source>最新バージョンはありません。</source>
        <translation>Aucune version plus récente n’est disponible.</translation>
    </message>
    <message>
        <source>現在使っているバージョンが最新です。</source>
        <translation>Vous utilisez la version la plus récente.</translation>
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
        <translation>%1 – Recherche de mises à jour</translation>
    </message>
</context>
</TS>
