<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk" sourcelanguage="ja">
<context>
    <name>LogTextBox</name>
    <message>
        <source>元に戻す(&amp;U)</source>
        <translation>&amp;Скасувати</translation>
    </message>
    <message>
        <source>やり直し(&amp;R)</source>
        <translation>&amp;Повторити</translation>
    </message>
    <message>
        <source>切り取り(&amp;T)</source>
        <translation>Ви&amp;різати</translation>
    </message>
    <message>
        <source>コピー(&amp;C)</source>
        <translation>&amp;Копіювати</translation>
    </message>
    <message>
        <source>貼り付け(&amp;P)</source>
        <translation>Вст&amp;авити</translation>
    </message>
    <message>
        <source>削除(&amp;D)</source>
        <translation>Ви&amp;далити</translation>
    </message>
    <message>
        <source>すべて選択(&amp;A)</source>
        <translation>Виділити &amp;все</translation>
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
        <translation>Можливо, немає підключення до інтернету або сервер не працює.</translation>
    </message>
    <message>
        <source>バージョン番号の解析に失敗しました</source>
        <translation>Не вдалося розпізнати номер версії</translation>
    </message>
    <message>
        <source>バージョン番号の解析に失敗しました。</source>
        <translation>Не вдалося розпізнати номер версії.</translation>
    </message>
    <message>
        <source>バージョン情報が見つかりませんでした</source>
        <translation>Відомості про версію не знайдено</translation>
    </message>
    <message>
        <source>バージョン情報が見つかりませんでした。</source>
        <translation>Відомості про версію не знайдено.</translation>
    </message>
    <message>
        <source>最新バージョンの確認</source>
        <translation>Перевірка оновлень</translation>
    </message>
    <message>
        <source>最新バージョンの有無を確認しています．．．</source>
        <translation>Перевірка наявності оновлень…</translation>
    </message>
    <message>
        <source>最新バージョンが公開されています。</source>
        <translation>Опубліковано нову версію.</translation>
    </message>
    <message>
        <source>ダウンロードページを表示しますか？</source>
        <translation>Відкрити сторінку завантаження?</translation>
    </message>
    <message>
        <source>ダウンロードページを表示(&amp;O)</source>
        <translation>&amp;Відкрити сторінку</translation>
    </message>
    <message>
        <source>今は何もしない(&amp;C)</source>
        <translation>&amp;Не зараз</translation>
    </message>
    <message>
        <source>－－－－－デバッグ情報－－－－－</source>
        <translation>--- Діагностична інформація ---</translation>
    </message>
    <message>
        <source>閉じる(&amp;C)</source>
        <translation>&amp;Закрити</translation>
    </message>
    <message>
        <source>最新バージョン「%1」が公開されています。</source>
        <translation>Опубліковано нову версію «%1».</translation>
    </message>
    <message>
        <source>最新バージョンはありません。</source>
        <translation>Нових версій немає.</translation>
    </message>
    <message>
        <source>現在使っているバージョンが最新です。</source>
        <translation>Ви використовуєте найновішу версію.</translation>
    </message>
    <message>
        <source>バージョン情報の取得に失敗しました。</source>
        <translation>Не вдалося отримати відомості про версію.</translation>
    </message>
    <message>
        <source>指定されたファイルが見つかりませんでした。</source>
        <translation>Вказаний файл не знайдено.</translation>
    </message>
    <message>
        <source>指定されたURLが見つかりませんでした。</source>
        <translation>Вказану URL-адресу не знайдено.</translation>
    </message>
    <message>
        <source>ブラウザを開くことができませんでした。</source>
        <translation>Не вдалося відкрити браузер.</translation>
    </message>
    <message>
        <source>%1 最新バージョンの確認</source>
        <translation>%1 — Перевірка оновлень</translation>
    </message>
</context>
</TS>
